// The link tests' stand-in for a browser: appends the command line it was
// started with, exactly as given, to the file named by TV_COMMAND_LOG.
#include <windows.h>

#include <cstdio>

int main() {
  char path[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableA("TV_COMMAND_LOG", path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 1;
  FILE* log = std::fopen(path, "ab");
  if (log == nullptr) return 1;
  std::fprintf(log, "%s\n", GetCommandLineA());
  std::fclose(log);
  return 0;
}
