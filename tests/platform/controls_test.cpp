// The window's size operations and the properties of the controls that the
// handlers read and write.
#include "window_fixture.h"

namespace {

using namespace testing_support;
using namespace ui;

using WindowSize = MainWindowTest;

TEST_F(WindowSize, OuterSizeWritesKeepTheCornerAndTheOtherDimension) {
    RECT before;
    GetWindowRect(window.handle(), &before);
    const int border = window.width() - window.clientWidth();
    const int caption = window.height() - window.clientHeight();
    EXPECT_GT(border, 0);
    EXPECT_GT(caption, border) << "the caption bar is part of the outer height";

    window.setWidth(window.width() - window.clientWidth() + 369);
    window.setHeight(window.height() - window.clientHeight() + 256);
    EXPECT_EQ(window.clientWidth(), 369);
    EXPECT_EQ(window.clientHeight(), 256);
    RECT after;
    GetWindowRect(window.handle(), &after);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);

    window.setWidth(500);
    EXPECT_EQ(window.width(), 500);
    EXPECT_EQ(window.clientHeight(), 256);
}

TEST_F(WindowSize, CaptionsAreReadAndWrittenLive) {
    window.setCaption(L"点击器已经启动");
    EXPECT_EQ(window.caption(), L"点击器已经启动");
    点击次数.setCaption(L"-2147483648");
    EXPECT_EQ(点击次数.caption(), L"-2147483648");
    标签9.setTag(L"12");
    EXPECT_EQ(标签9.tag(), L"12");
    EXPECT_EQ(标签9.caption(), L"将鼠标放在该黑色区域运行点击器可看到实际点击次数") << "the tag is shown nowhere";
}

TEST_F(WindowSize, SelectionReadsMinusOneWhenNothingIsSelected) {
    键盘.setSelection(-1);
    EXPECT_EQ(键盘.selection(), -1);
    键盘.setSelection(62);
    EXPECT_EQ(键盘.selection(), 62);
    EXPECT_EQ(键盘.itemText(62), L"F12键");
}

}  // namespace
