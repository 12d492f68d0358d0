// Holidays from iCalendar through the Holidays page: a calendar from the
// web, and saving as a calendar or as a list by the location, over another
// program's calendar only when the user agrees. The clock stands at
// 15 January 2003.
#include "ical/ICalendarText.h"
#include "pages/ListPageHarness.h"

namespace listpage {
namespace {

using listtest::ReadBytes;
using listtest::WriteBytes;

const char kForeignCalendar[] =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Other//Calendar//EN\r\n"
    "BEGIN:VEVENT\r\nUID:1@other\r\nDTSTART;VALUE=DATE:20030120\r\nSUMMARY:Remembrance\r\n"
    "END:VEVENT\r\nEND:VCALENDAR\r\n";

class ICalendarPagesTest : public ListPageTest {
 protected:
  // Adds a holiday on 20 January 2003 and saves the list to `location`.
  void AddAndSave(CDateListPage& page, const std::string& location) {
    PickDay(page, 2003, 1, 20);
    Type(page, IDC_LIST_NAME, "Picnic");
    Press(page, IDC_LIST_ADD);
    Type(page, IDC_LIST_LOCATION, location);
    Press(page, IDC_HOL_SAVE);
  }
};

// A public feed in Greek: its names reach the list whole, as the wide list
// view shows them.
TEST_F(ICalendarPagesTest, AWebCalendarGivesBoldDaysAndFewerBusinessDays) {
  listtest::Servers servers;
  ASSERT_TRUE(servers.Load()) << "the list servers did not start";
  Store("InternetAllowed", 1);
  std::string greek = kForeignCalendar;
  greek.replace(greek.find("Remembrance"), 11, "Ημέρα Μνήμης");
  WriteBytes(servers.www + "\\pages-holidays.ics", greek);
  RunPages([&] {
    PickStart(2003, 1, 15);
    PickEnd(2003, 1, 31);
    EXPECT_EQ(Text(IDC_MBM_BUSINESSDAYS), "12");

    CDateListPage& page = Show(kHolidaysPage);
    probe::Watcher watch(ItemOf(page, IDC_HOL_CALENDAR));
    Type(page, IDC_LIST_LOCATION, servers.Http("pages-holidays.ics"));
    Press(page, IDC_HOL_LOAD);
    // The download runs beside the window; its list arrives as a message.
    ASSERT_TRUE(probe::WaitUntil([&] { return !m_dlg->GetWebListState(DateListKind::Holidays).loading; }, 20000));
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(Rows(page), Strings{Row("Ημέρα Μνήμης", 2003, 1, 20)});
    wchar_t wide[32] = {};
    LVITEMW row{};
    row.pszText = wide;
    row.cchTextMax = 32;
    SendMessageW(ItemOf(page, ListOf(page)), LVM_GETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&row));
    EXPECT_EQ(std::wstring(wide), L"Ημέρα Μνήμης");
    EXPECT_EQ(LastDayStates(watch), (std::vector<MONTHDAYSTATE>{0, Bit(20), 0}));
    EXPECT_EQ(ReadBytes(File("cache.tvh")), greek);

    m_dlg->SetActivePage(0);
    EXPECT_EQ(Text(IDC_MBM_BUSINESSDAYS), "11");
  });
}

TEST_F(ICalendarPagesTest, TheLocationOrTheFileThereChoosesTheFormat) {
  const std::string ours =
      FormatICalendarText({DateRecord{"Old", COleDateTime(2003, 2, 3, 0, 0, 0), true}},
                          DateListKind::Holidays);
  const struct {
    const char* file;
    std::string before;  // empty: no file there yet
    bool calendar;
  } cases[] = {{"h.ics", "", true},
               {"h.ICS", "!Version: 1.0\r\n", true},
               {"h.tvh", "", false},
               {"ours.txt", ours, true}};
  RunPages([&] {
    CDateListPage& page = Show(kHolidaysPage);
    for (const auto& c : cases) {
      SCOPED_TRACE(c.file);
      if (!c.before.empty()) WriteBytes(File(c.file), c.before);
      AddAndSave(page, File(c.file));
      const std::string written = ReadBytes(File(c.file));
      EXPECT_TRUE(boxes.empty());
      EXPECT_FALSE(page.m_listChanged);
      if (c.calendar) {
        EXPECT_TRUE(ICalendarMadeByUs(written));
        EXPECT_NE(written.find("SUMMARY:Picnic\r\nDTSTART;VALUE=DATE:20030120\r\n"),
                  std::string::npos);
      } else {
        EXPECT_EQ(written, "!Version: 1.0\r\nPicnic|2003/01/20\r\n");
      }
      // Read back from what was written.
      EXPECT_EQ(Rows(page), Strings{Row("Picnic", 2003, 1, 20)});
      Press(page, IDC_LIST_DELETE);
    }
  });
}

TEST_F(ICalendarPagesTest, SavingOverAnotherProgramsCalendarAsksFirst) {
  const std::string location = File("other.ics");
  WriteBytes(location, kForeignCalendar);
  int answer = IDNO;
  SetMessageBoxHook([&](const MessageBoxCall& call) {
    boxes.push_back(call);
    return answer;
  });
  RunPages([&] {
    CDateListPage& page = Show(kHolidaysPage);
    AddAndSave(page, location);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, location +
                                 " was made by another calendar program. Saving replaces it with "
                                 "this list, and what the list cannot hold is lost. Save anyway?");
    EXPECT_EQ(boxes[0].caption, "Tempovista");
    EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2));
    EXPECT_EQ(ReadBytes(location), kForeignCalendar);
    EXPECT_TRUE(page.m_listChanged);
    EXPECT_TRUE(Enabled(page, IDC_HOL_SAVE));

    answer = IDYES;
    Press(page, IDC_HOL_SAVE);
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(ICalendarMadeByUs(ReadBytes(location)));
    EXPECT_FALSE(page.m_listChanged);
  });
}

}  // namespace
}  // namespace listpage
