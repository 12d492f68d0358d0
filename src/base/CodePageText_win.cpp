#include <windows.h>

#include "base/CodePageText.h"

// Read at every call: the manifest, or the system on older Windows, decides.
unsigned ProgramCodePage() { return GetACP(); }
