#include "support/ChildTest_win.h"

#include <string>

bool StartChildTest(const char* fullName, PROCESS_INFORMATION* process) {
  // This run's share of the tests and its report are this process's alone:
  // the child's one test would not be in its shard, and it would overwrite
  // the report. GoogleTest read them at start, so they can go.
  for (const char* name : {"GTEST_TOTAL_SHARDS", "GTEST_SHARD_INDEX", "GTEST_OUTPUT"})
    SetEnvironmentVariableA(name, nullptr);
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, sizeof exe);
  std::string command =
      std::string("\"") + exe + "\" --gtest_also_run_disabled_tests --gtest_filter=" + fullName;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  *process = PROCESS_INFORMATION{};
  return CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        process) != FALSE;
}
