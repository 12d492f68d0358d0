// Loading and saving whole lists: the flags, the messages, and the reload
// that follows every save.
#include <algorithm>

#include "ListTestSupport_win.h"
#include "base/ProgramNames.h"
#include "lists/DateListIO.h"

using namespace listtest;

namespace {

using Strings = std::vector<std::string>;

class DateListIOTest : public ListTest {};

const char kStopCode1[] =
    "Unable to save content to HTTP/S locations.  \n"
    "Save to a local filename and update your HTTP server manually if allowed.";
const char kStopCode2[] =
    "Unable to save content to FTP locations.  \n"
    "Save to a local filename and update your FTP server manually if allowed.";
const char kStopCode3[] =
    "Unable to save content to the location specified.  \n"
    "Check your location and try again.";

TEST_F(DateListIOTest, AnEmptyLocationAsksForAFileName) {
  m_owner.m_events = Records({"kept"});
  EXPECT_FALSE(LoadDateList(DateListKind::Events, m_owner, "", true, true, false));
  ASSERT_EQ(1u, m_boxes.size());
  EXPECT_EQ("Please specify a filename before attempting to load a file", m_boxes[0].text);
  EXPECT_EQ(kProgramTitle, m_boxes[0].caption);
  EXPECT_EQ(UINT(MB_OK | MB_ICONINFORMATION), m_boxes[0].type);
  EXPECT_FALSE(LoadDateList(DateListKind::Events, m_owner, "", true, true, true));
  EXPECT_EQ(1u, m_boxes.size());
  EXPECT_EQ(Strings{"kept"}, Names(m_owner.m_events));
}

TEST_F(DateListIOTest, LoadingRemembersTheLocationOnlyWhenAsked) {
  WriteBytes(File("c.tvc"), "Launch|2004/05/01 18:00:00\nCall|2004/05/01 09:00:00\n");
  ASSERT_TRUE(LoadDateList(DateListKind::Counters, m_owner, File("c.tvc"), false, false, true));
  EXPECT_EQ((Strings{"Call", "Launch"}), Names(m_owner.m_counters));
  EXPECT_EQ("", m_settings.GetText(setting::kCounterFile));
  ASSERT_TRUE(LoadDateList(DateListKind::Counters, m_owner, File("c.tvc"), false, true, true));
  EXPECT_EQ(File("c.tvc"), m_settings.GetText(setting::kCounterFile));
  // Only the kind's own list, setting and cache are touched.
  EXPECT_TRUE(m_owner.m_holidays.empty());
  EXPECT_TRUE(m_owner.m_events.empty());
  EXPECT_EQ("", m_settings.GetText(setting::kHolidayFile));
  EXPECT_FALSE(Exists(Cache(setting::kHolidayCacheFile)));
}

TEST_F(DateListIOTest, SavesRefusedWithTheirCodesWriteNothing) {
  CreateDirectoryA(File("folder.tvh").c_str(), nullptr);
  const struct {
    std::string location;
    const char* text;
  } cases[] = {
      {"ftp://127.0.0.1/x.tvh", kStopCode2},
      {"FTP://host/x.tvh", kStopCode2},
      {"http://127.0.0.1/x.tvh", kStopCode1},
      {"Https://host/x.tvh", kStopCode1},
      {File("no such folder\\x.tvh"), kStopCode3},
      {File("folder.tvh"), kStopCode3},
      {File(std::string(2000, 'y')), kStopCode3},
      {"", kStopCode3},
  };
  m_owner.m_holidays = Records({"kept"});
  for (const auto& c : cases) {
    m_boxes.clear();
    EXPECT_FALSE(SaveDateList(DateListKind::Holidays, m_owner, c.location, true, false, true));
    ASSERT_EQ(1u, m_boxes.size()) << c.location.substr(0, 60);
    EXPECT_EQ(c.text, m_boxes[0].text);
    EXPECT_EQ(kProgramTitle, m_boxes[0].caption);
    EXPECT_EQ(UINT(MB_OK | MB_ICONSTOP), m_boxes[0].type);
    EXPECT_FALSE(SaveDateList(DateListKind::Holidays, m_owner, c.location, true, true, true));
    EXPECT_EQ(1u, m_boxes.size());  // quiet
  }
  EXPECT_EQ(Strings{"kept"}, Names(m_owner.m_holidays));
  EXPECT_EQ("", m_settings.GetText(setting::kHolidayFile));
  EXPECT_FALSE(Exists(Cache()));
  EXPECT_EQ(Strings{"folder.tvh"}, FilesIn(m_dir));
}

TEST_F(DateListIOTest, TheReloadAfterASaveRebuildsTheList) {
  // Counters: out of order after an in-place change, with one deleted.
  m_owner.m_counters = {
      {"Late", COleDateTime(2004, 5, 1, 18, 0, 0), true},
      {"", COleDateTime(2004, 1, 1, 0, 0, 0), false},
      {"Early", COleDateTime(2004, 5, 1, 9, 30, 5), true},
  };
  ASSERT_TRUE(SaveDateList(DateListKind::Counters, m_owner, File("c.tvc"), true, false, true));
  const std::string written =
      "!Version: 1.0\r\nLate|2004/05/01 18:00:00\r\nEarly|2004/05/01 09:30:05\r\n";
  EXPECT_EQ(written, ReadBytes(File("c.tvc")));
  EXPECT_EQ((Strings{"Early", "Late"}), Names(m_owner.m_counters));
  EXPECT_EQ("!Version: 1.0\nLate|2004/05/01 18:00:00\nEarly|2004/05/01 09:30:05\n",
            ReadBytes(Cache(setting::kCounterCacheFile)));
  EXPECT_EQ(File("c.tvc"), m_settings.GetText(setting::kCounterFile));

  // Holidays: the time of day is not written, so it is gone after the reload.
  m_owner.m_holidays = {{"Noon", COleDateTime(2004, 3, 2, 12, 0, 0), true},
                        {"Morning", COleDateTime(2004, 3, 1, 8, 0, 0), true}};
  ASSERT_TRUE(SaveDateList(DateListKind::Holidays, m_owner, File("h.tvh"), true, false, false));
  EXPECT_EQ("!Version: 1.0\r\nNoon|2004/03/02\r\nMorning|2004/03/01\r\n", ReadBytes(File("h.tvh")));
  ASSERT_EQ((Strings{"Morning", "Noon"}), Names(m_owner.m_holidays));
  EXPECT_EQ(1, m_owner.m_holidays.front().date.GetDay());
  EXPECT_EQ(0, m_owner.m_holidays.front().date.GetHour());
  EXPECT_EQ("", m_settings.GetText(setting::kHolidayFile));  // reloadRemember false
  EXPECT_TRUE(m_boxes.empty());
}

TEST_F(DateListIOTest, ASaveReplacesTheOldFileAndLeavesNothingElseBehind) {
  WriteBytes(File("e.tve"), std::string(100000, 'o'));
  m_owner.m_events = Records({"One"});
  ASSERT_TRUE(SaveDateList(DateListKind::Events, m_owner, File("e.tve"), true, false, true));
  EXPECT_EQ("!Version: 1.0\r\nOne|2004/01/01\r\n", ReadBytes(File("e.tve")));
  m_owner.m_events.clear();
  ASSERT_TRUE(SaveDateList(DateListKind::Events, m_owner, File("e.tve"), true, false, true));
  EXPECT_EQ("!Version: 1.0\r\n", ReadBytes(File("e.tve")));
  Strings files = FilesIn(m_dir);
  std::sort(files.begin(), files.end());
  EXPECT_EQ((Strings{"TVcache.tve", "e.tve"}), files);
  // A file: address is saved where loading it reads from.
  std::string url = "file:///" + File("u.tve");
  for (char& c : url)
    if (c == '\\') c = '/';
  m_owner.m_events = Records({"Url"});
  ASSERT_TRUE(SaveDateList(DateListKind::Events, m_owner, url, true, false, true));
  EXPECT_EQ("!Version: 1.0\r\nUrl|2004/01/01\r\n", ReadBytes(File("u.tve")));
  EXPECT_EQ(Strings{"Url"}, Names(m_owner.m_events));
  EXPECT_TRUE(m_boxes.empty());
}

}  // namespace
