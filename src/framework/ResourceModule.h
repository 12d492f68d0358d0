#pragma once
#include <windows.h>

// The module that holds the program's resources (dialog templates, icons,
// menu) and owns its windows: the running executable, into which the test
// programs link the same resources.
HINSTANCE ResourceModule();
