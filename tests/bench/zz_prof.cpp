#include <chrono>
#include <cstdio>
#include <string>
#include "common/globals.h"
#include "control/run_control.h"
#include "engine/click_tick.h"
#include "platform/message_loop.h"
#include "platform/input.h"
#include "ui/main_window.h"
#include "window_fixture.h"
using namespace testing_support;
using Clock = std::chrono::steady_clock;
double us(Clock::time_point a){return std::chrono::duration<double,std::micro>(Clock::now()-a).count();}
static Clock::time_point first{}; static bool fired=false;
static void onTick(){ if(!fired){fired=true;first=Clock::now();} }
int main(){
  if(!ui::loadMainWindow()) return 1;
  pumpFor(500ms);
  SetCursorPos(900,700); Sleep(100);
  const int N=2000;
  auto t=Clock::now(); POINT p; for(int i=0;i<N;i++) GetCursorPos(&p); printf("GetCursorPos %.1f us\n",us(t)/N);
  t=Clock::now(); for(int i=0;i<N;i++) SetCursorPos(900,700); printf("SetCursorPos %.1f us\n",us(t)/N);
  t=Clock::now(); for(int i=0;i<N;i++) ui::点击次数.setCaption(std::to_wstring(i)); printf("setCaption %.1f us\n",us(t)/N);
  t=Clock::now(); for(int i=0;i<N;i++) SetWindowTextW(ui::点击次数.handle(), std::to_wstring(i).c_str()); printf("SetWindowTextW %.1f us\n",us(t)/N);
  t=Clock::now(); for(int i=0;i<N;i++) platform::processPendingMessages(); printf("processPendingMessages %.1f us\n",us(t)/N);
  for(int k=0;k<3;k++){
    auto a=Clock::now(); RedrawWindow(ui::选择框1.handle(),nullptr,nullptr,RDW_INVALIDATE|RDW_UPDATENOW); printf("redraw checkbox %.0f ",us(a));
    a=Clock::now(); RedrawWindow(ui::选择框1.handle(),nullptr,nullptr,RDW_INVALIDATE|RDW_UPDATENOW|RDW_NOERASE); printf("noerase %.0f ",us(a));
    a=Clock::now(); RedrawWindow(ui::鼠标.handle(),nullptr,nullptr,RDW_INVALIDATE|RDW_UPDATENOW); printf("combo %.0f ",us(a));
    a=Clock::now(); RedrawWindow(ui::已运行时间.handle(),nullptr,nullptr,RDW_INVALIDATE|RDW_UPDATENOW); printf("label %.0f ",us(a));
    {HDC screen=GetDC(nullptr); HDC mem=CreateCompatibleDC(screen); HBITMAP bm=CreateCompatibleBitmap(screen,100,40); SelectObject(mem,bm);
     a=Clock::now(); SendMessageW(ui::选择框1.handle(),WM_PRINTCLIENT,(WPARAM)mem,PRF_CLIENT); printf("printclient %.0f ",us(a));
     a=Clock::now(); SendMessageW(ui::选择框1.handle(),WM_CTLCOLORBTN,(WPARAM)mem,(LPARAM)ui::选择框1.handle()); printf("ctlcolor %.0f ",us(a));
     a=Clock::now(); SendMessageW(ui::选择框1.handle(),WM_QUERYUISTATE,0,0); SendMessageW(ui::选择框1.handle(),BM_GETSTATE,0,0);SendMessageW(ui::选择框1.handle(),WM_GETFONT,0,0); printf("queries %.0f ",us(a));
     a=Clock::now(); RECT rc{0,0,60,16}; SelectObject(mem,(HFONT)SendMessageW(ui::选择框1.handle(),WM_GETFONT,0,0)); DrawTextW(mem,L"Alt +",-1,&rc,DT_SINGLELINE|DT_CALCRECT); DrawTextW(mem,L"Alt +",-1,&rc,DT_SINGLELINE); printf("text %.0f ",us(a));
     a=Clock::now(); GetFocus(); printf("getfocus %.0f ",us(a));
     a=Clock::now(); HDC d=GetDC(ui::选择框1.handle()); ReleaseDC(ui::选择框1.handle(),d); printf("getdc %.0f ",us(a));
     DeleteDC(mem); DeleteObject(bm); ReleaseDC(nullptr,screen);}
    a=Clock::now(); SendMessageW(ui::选择框1.handle(),WM_ENABLE,FALSE,0); printf("WM_ENABLE msg %.0f ",us(a));
    a=Clock::now(); SetWindowLongPtrW(ui::选择框1.handle(),GWL_STYLE,GetWindowLongPtrW(ui::选择框1.handle(),GWL_STYLE)|WS_DISABLED); printf("style %.0f\n",us(a));
  }
  {
    platform::Control* cs[]={&ui::选择框1, &ui::选择框2, &ui::选择框3, &ui::组合框3, &ui::鼠标, &ui::鼠标速度, &ui::键盘, &ui::键盘速度};
    for(int k=0;k<2;k++){
    for(auto*c:cs){auto a=Clock::now(); c->setEnabled(false); printf("disable %.0f  ",us(a));}
    printf("\n");
    auto a=Clock::now(); ui::window.setCaption(L"点击器已经启动"); printf("caption %.0f\n",us(a));
    a=Clock::now(); ui::已运行时间.setCaption(L"0"); printf("label caption %.0f\n",us(a));
    a=Clock::now(); ui::时钟1.setPeriod(1000); printf("timer %.0f\n",us(a));
    a=Clock::now(); pumpFor(100ms); printf("pump %.0f\n",us(a));
    for(auto*c:cs){auto a=Clock::now(); c->setEnabled(true); printf("enable %.0f  ",us(a));}
    printf("\n");
    a=Clock::now(); ui::window.setCaption(L"Vantorel"); printf("caption %.0f\n",us(a));
    a=Clock::now(); pumpFor(100ms);
    }
  }
  // start latency pieces
  for(int k=0;k<3;k++){
    fired=false;
    ui::鼠标速度.setSelection(1);
    ui::时钟2.events.periodic=onTick;
    auto s=Clock::now(); control::startRun(0,0); double startCost=us(s);
    pumpUntil([&]{return fired;},2000ms);
    printf("startRun %.0f us, first tick after %.0f us\n",startCost,std::chrono::duration<double,std::micro>(first-s).count());
    auto st=Clock::now(); control::stopRun(0,0); double stopCost=us(st);
    auto pt=Clock::now(); UpdateWindow(ui::window.handle()); RedrawWindow(ui::window.handle(),nullptr,nullptr,RDW_UPDATENOW|RDW_ALLCHILDREN); printf("stopRun %.0f us, paint after %.0f us\n",stopCost,us(pt));
    pumpFor(300ms);
  }
  t=Clock::now(); for(int i=0;i<N;i++){mouse_event(MOUSEEVENTF_LEFTDOWN,0,0,0,0);mouse_event(MOUSEEVENTF_LEFTUP,0,0,0,0);} printf("mouse_event pair %.1f us\n",us(t)/N);
  return 0;
}
