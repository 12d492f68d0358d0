#pragma once
// What opening a link runs, seen by a test: an address no program opens, a
// ".htm" open command of the test's own, and the log its stand-in browser
// (command_logger.exe, beside the test) writes.
#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "controls/LinkOpen.h"
#include "support/TestPaths.h"
#include "support/WindowProbe_win.h"

namespace links {

constexpr const char* kNoScheme = "tvtest-nothing:page";
constexpr const char* kTestClass = "TempovistaTest.htm";

inline void WriteDefault(const std::string& key, const std::string& value) {
  RegSetValueA(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, value.c_str(), static_cast<DWORD>(value.size()));
}

inline std::string Logger() { return probe::ExecutableFolder() + "command_logger.exe"; }

// Points ".htm" at a class of the test's own for its lifetime, then puts
// back what was there.
class HtmAssociation {
 public:
  explicit HtmAssociation(const std::string& command) {
    m_hadOld = ReadClassesRootValue(".htm", m_old) && m_old != kTestClass;
    WriteDefault(".htm", kTestClass);
    WriteDefault(std::string(kTestClass) + "\\shell\\open\\command", command);
  }
  ~HtmAssociation() {
    RegDeleteTreeA(HKEY_CLASSES_ROOT, kTestClass);
    RegDeleteKeyA(HKEY_CLASSES_ROOT, kTestClass);
    if (m_hadOld) {
      WriteDefault(".htm", m_old);
    } else {
      RegDeleteKeyA(HKEY_CLASSES_ROOT, ".htm");
    }
  }

 private:
  bool m_hadOld = false;
  std::string m_old;
};

// The stand-in browser's log, empty at first, for this object's lifetime.
class CommandLog {
 public:
  CommandLog() : m_path(LaneFolder() + "\\link-commands.log") {
    DeleteFileA(m_path.c_str());
    SetEnvironmentVariableA("TV_COMMAND_LOG", m_path.c_str());
  }
  ~CommandLog() { DeleteFileA(m_path.c_str()); }
  CommandLog(const CommandLog&) = delete;
  CommandLog& operator=(const CommandLog&) = delete;

  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::ifstream in(m_path);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

 private:
  std::string m_path;
};

}  // namespace links
