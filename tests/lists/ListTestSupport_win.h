#pragma once
// What the list tests share: a settings store under the test's own key in
// place of the program's, the message boxes caught, a folder of the test's
// own, and the web and FTP servers the fixture started.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/CMainApp.h"
#include "app/CMainDlg.h"
#include "base/ProgramNames.h"
#include "framework/Prompt.h"
#include "lists/DateRecord.h"
#include "support/TestPaths.h"
#include "support/TestSettings_win.h"

namespace listtest {

inline const char kSettingsKey[] = "Software\\QRV\\TempovistaTests\\Lists\\";

// The test's lane: its scratch folders and its list servers are the
// lane's own.
inline std::string LaneDir() {
  const std::string dir = LaneFolder();
  return dir.empty() ? std::string("C:\\tvtests") : dir;
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Every file name in a folder.
inline std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

// An empty folder of the test's own.
inline std::string FreshFolder(const std::string& name) {
  const std::string root = LaneDir() + "\\list-tests";
  CreateDirectoryA(root.c_str(), nullptr);
  const std::string folder = root + "\\" + name;
  CreateDirectoryA(folder.c_str(), nullptr);
  for (const std::string& file : FilesIn(folder)) DeleteFileA((folder + "\\" + file).c_str());
  return folder;
}

// The ports the fixture's servers listen on, and where they log requests.
struct Servers {
  int http = 0, ftp = 0, dead = 0, https = 0, selfSigned = 0;  // https for "localhost"
  std::string dir, www, httpLog;

  bool Load() {
    dir = LaneDir() + "\\list-servers";
    std::istringstream ports(ReadBytes(dir + "\\ports"));
    std::string name;
    int port;
    while (ports >> name >> port) {
      if (name == "http") http = port;
      if (name == "ftp") ftp = port;
      if (name == "dead") dead = port;
      if (name == "https") https = port;
      if (name == "selfsigned") selfSigned = port;
    }
    www = dir + "\\www";
    httpLog = dir + "\\http.log";
    return http && ftp && dead;
  }
  std::string Http(const std::string& file) const {
    return "http://127.0.0.1:" + std::to_string(http) + "/" + file;
  }
  std::string Ftp(const std::string& file) const {
    return "ftp://127.0.0.1:" + std::to_string(ftp) + "/" + file;
  }
};

class ListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMessageBoxHook([this](const MessageBoxCall& call) {
      m_boxes.push_back(call);
      return IDOK;
    });
    m_dir = FreshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
    m_settings.SetText(setting::kHolidayCacheFile, m_dir + "\\TVcache.tvh");
    m_settings.SetText(setting::kEventCacheFile, m_dir + "\\TVcache.tve");
    m_settings.SetText(setting::kCounterCacheFile, m_dir + "\\TVcache.tvc");
  }
  void TearDown() override { SetMessageBoxHook(nullptr); }

  std::string File(const std::string& name) const { return m_dir + "\\" + name; }
  std::string Cache(const char* setting = setting::kHolidayCacheFile) {
    return m_settings.GetText(setting);
  }

  static std::vector<std::string> Names(const DateRecordList& list) {
    std::vector<std::string> names;
    for (const DateRecord& record : list) names.push_back(record.name);
    return names;
  }
  static DateRecordList Records(std::initializer_list<const char*> names) {
    DateRecordList list;
    for (const char* name : names) list.push_back(DateRecord{name, COleDateTime(2004, 1, 1, 0, 0, 0), true});
    return list;
  }

  TestSettings m_settings{kSettingsKey};
  CMainDlg m_owner;
  std::vector<MessageBoxCall> m_boxes;
  std::string m_dir;
};

inline const std::string kCacheNote = "\r\n\r\nUsing local cache of previous settings";

}  // namespace listtest
