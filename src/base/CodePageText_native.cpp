#include "base/CodePageText.h"

// The native build's text is UTF-8, as the program's is on current Windows.
unsigned ProgramCodePage() { return kUtf8CodePage; }
