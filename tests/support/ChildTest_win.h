#pragma once
// A helper process: this test program started again to run one of its
// disabled tests (one that only makes sense as such a helper).
#include <windows.h>

// Starts the disabled test `fullName` ("Suite.DISABLED_Name") in a second
// copy of this program, which inherits the environment but not this run's
// sharding or report file. False when it cannot be started.
bool StartChildTest(const char* fullName, PROCESS_INFORMATION* process);
