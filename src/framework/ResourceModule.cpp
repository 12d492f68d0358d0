#include "framework/ResourceModule.h"

HINSTANCE ResourceModule() { return GetModuleHandleA(nullptr); }
