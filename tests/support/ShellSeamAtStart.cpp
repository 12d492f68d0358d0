// Linked into Tempovista_test.exe only, beside the program's own sources:
// the program's test build takes its shell seam from the environment
// before WinMain runs. The shipped program reads no environment variable.
#include "support/ShellSeamFromEnv_win.h"

namespace {
[[maybe_unused]] const bool g_shellSeamInstalled = InstallShellSeamFromEnvironment();
}  // namespace
