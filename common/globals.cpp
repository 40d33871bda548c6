#include "common/globals.h"

int clickCount = 0;
int hotkeyId = 0;
