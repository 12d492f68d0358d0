#pragma once
// Folders and commands that ctest hands the tests in the environment (never
// compiled in, so that a build in another folder shares the compiler cache).
// Under Wine a host path is reached through drive Z:.
#include <cstdlib>
#include <string>

inline std::string TestEnvPath(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return std::string();
#ifdef _WIN32
  std::string path = value[0] == '/' ? std::string("Z:") + value : std::string(value);
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
#else
  return value;
#endif
}

// The folder of the test's lane (tools/wine-lanes.sh): every file a test
// writes goes under it, so that tests running side by side in other lanes
// never see or delete it. Outside a lane, the build folder.
inline std::string LaneFolder() {
  const std::string lane = TestEnvPath("TV_LANE_DIR");
  return lane.empty() ? TestEnvPath("TV_BINARY_DIR") : lane;
}
