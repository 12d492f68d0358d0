// The Holidays and Events pages in the real main window: editing a day,
// the rows of the displayed days, the file buttons and the Month by Month
// page following the holidays. The clock stands at 15 January 2003.
#include "base/ProgramNames.h"
#include "pages/ListPageHarness.h"

namespace listpage {
namespace {

using listtest::ReadBytes;
using listtest::WriteBytes;

class DateListPagesTest : public ListPageTest {};

TEST_F(DateListPagesTest, AddRenamesAnEmptyNameIsStored) {
  RunPages([&] {
    CDateListPage& page = Show(kHolidaysPage);
    probe::Watcher watch(ItemOf(page, IDC_HOL_CALENDAR));
    EXPECT_EQ(SelectedOn(page), "2003-01-15");
    EXPECT_EQ(TextOf(page, IDC_LIST_ADD), "&Add");
    EXPECT_FALSE(Enabled(page, IDC_LIST_DELETE));
    EXPECT_FALSE(Enabled(page, IDC_HOL_SAVE));

    PickDay(page, 2003, 1, 20);
    Type(page, IDC_LIST_NAME, "Picnic");
    Press(page, IDC_LIST_ADD);
    EXPECT_EQ(Rows(page), Strings{Row("Picnic", 2003, 1, 20)});
    EXPECT_EQ(LastDayStates(watch), (std::vector<MONTHDAYSTATE>{0, Bit(20), 0}));
    EXPECT_EQ(TextOf(page, IDC_LIST_ADD), "&Update");
    EXPECT_TRUE(Enabled(page, IDC_LIST_DELETE));
    EXPECT_TRUE(Enabled(page, IDC_HOL_SAVE));

    Type(page, IDC_LIST_NAME, "Party");
    Press(page, IDC_LIST_ADD);
    EXPECT_EQ(Rows(page), Strings{Row("Party", 2003, 1, 20)});
    EXPECT_EQ(m_dlg->m_holidays.size(), 1u);

    PickDay(page, 2003, 1, 10);
    EXPECT_EQ(TextOf(page, IDC_LIST_NAME), "");
    Press(page, IDC_LIST_ADD);
    EXPECT_EQ(Rows(page), (Strings{Row("", 2003, 1, 10), Row("Party", 2003, 1, 20)}));
    PickDay(page, 2003, 1, 20);
    EXPECT_EQ(TextOf(page, IDC_LIST_NAME), "Party");
    EXPECT_EQ(TextOf(page, IDC_LIST_ADD), "&Update");
  });
}

TEST_F(DateListPagesTest, TwoHolidaysOnOneDayGoOneDeleteAtATime) {
  WriteBytes(File("two.tvh"), "!Version: 1.0\r\nFirst|2003/01/20\r\nSecond|2003/01/20\r\n");
  RunPages([&] {
    CDateListPage& page = Show(kHolidaysPage);
    probe::Watcher watch(ItemOf(page, IDC_HOL_CALENDAR));
    Type(page, IDC_LIST_LOCATION, File("two.tvh"));
    Press(page, IDC_HOL_LOAD);
    PickDay(page, 2003, 1, 20);
    EXPECT_EQ(TextOf(page, IDC_LIST_NAME), "First");

    Press(page, IDC_LIST_DELETE);
    EXPECT_EQ(TextOf(page, IDC_LIST_NAME), "");
    EXPECT_EQ(TextOf(page, IDC_LIST_ADD), "&Add");
    EXPECT_FALSE(Enabled(page, IDC_LIST_DELETE));
    EXPECT_TRUE(Enabled(page, IDC_HOL_SAVE));
    EXPECT_EQ(Rows(page), Strings{Row("Second", 2003, 1, 20)});
    EXPECT_EQ(LastDayStates(watch), (std::vector<MONTHDAYSTATE>{0, Bit(20), 0}));
    PickDay(page, 2003, 1, 20);
    EXPECT_EQ(TextOf(page, IDC_LIST_NAME), "Second");
  });
}

// February 2003 begins on a Saturday and ends on a Friday: its grid shows
// 31 January and 1 March, whichever day the week starts with.
TEST_F(DateListPagesTest, RowsAreTheDisplayedDaysAndClicksSelectThem) {
  WriteBytes(File("h.tvh"),
             "Mid January|2003/01/15\nLast of January|2003/01/31\nFebruary|2003/02/10\n"
             "First of March|2003/03/01\nMid March|2003/03/20\n");
  RunPages([&] {
    CDateListPage& page = Show(kHolidaysPage);
    Type(page, IDC_LIST_LOCATION, File("h.tvh"));
    Press(page, IDC_HOL_LOAD);
    PickDay(page, 2003, 2, 14);
    const Strings february = {Row("Last of January", 2003, 1, 31), Row("February", 2003, 2, 10),
                              Row("First of March", 2003, 3, 1)};
    EXPECT_EQ(Rows(page), february);

    ClickRow(page, 1);
    EXPECT_EQ(SelectedOn(page), "2003-02-10");
    EXPECT_EQ(TextOf(page, IDC_LIST_NAME), "February");
    EXPECT_EQ(TextOf(page, IDC_LIST_ADD), "&Update");
    Type(page, IDC_LIST_NAME, "typed, not added");
    ClickRow(page, -1);
    EXPECT_EQ(SelectedOn(page), "2003-02-10");
    EXPECT_EQ(TextOf(page, IDC_LIST_NAME), "February");

    // A grey day's row turns the calendar to its month, and the rows follow.
    ClickRow(page, 2);
    EXPECT_EQ(SelectedOn(page), "2003-03-01");
    EXPECT_EQ(TextOf(page, IDC_LIST_NAME), "First of March");
    const Strings march = Rows(page);
    ASSERT_FALSE(march.empty());
    EXPECT_EQ(march.back(), Row("Mid March", 2003, 3, 20));

    // The day a tray reminder told, as the page shows it when clicked.
    page.ShowDay(COleDateTime(2003, 1, 15, 9, 30, 0));
    EXPECT_EQ(SelectedOn(page), "2003-01-15");
    EXPECT_EQ(TextOf(page, IDC_LIST_NAME), "Mid January");
    EXPECT_EQ(Rows(page).front(), Row("Mid January", 2003, 1, 15));
  });
}

TEST_F(DateListPagesTest, LoadFileFailsWithoutChangeOrServesTheCache) {
  WriteBytes(File("a.tvh"), "Loaded|2003/01/22\n");
  RunPages([&] {
    CDateListPage& page = Show(kHolidaysPage);
    PickDay(page, 2003, 1, 20);
    Press(page, IDC_LIST_ADD);
    // Neither the file nor a cache: nothing changes, nothing is said.
    Type(page, IDC_LIST_LOCATION, File("missing.tvh"));
    Press(page, IDC_HOL_LOAD);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(Rows(page), Strings{Row("", 2003, 1, 20)});
    EXPECT_TRUE(page.m_listChanged);
    EXPECT_TRUE(Enabled(page, IDC_HOL_SAVE));
    EXPECT_EQ(m_settings.GetText(setting::kHolidayFile), "");

    Type(page, IDC_LIST_LOCATION, File("a.tvh"));
    UpdateWindow(ItemOf(page, IDC_HOL_CALENDAR));
    Press(page, IDC_HOL_LOAD);
    EXPECT_EQ(Rows(page), Strings{Row("Loaded", 2003, 1, 22)});
    EXPECT_FALSE(Enabled(page, IDC_HOL_SAVE));
    // The loaded list's bold days are drawn, not the old ones.
    EXPECT_TRUE(GetUpdateRect(ItemOf(page, IDC_HOL_CALENDAR), nullptr, FALSE));

    // The file gone, its cache stands in, as after a successful load.
    Press(page, IDC_LIST_ADD);
    Type(page, IDC_LIST_LOCATION, File("missing.tvh"));
    Press(page, IDC_HOL_LOAD);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Unable to read the holidays file\n\n" + File("missing.tvh") +
                                 listtest::kCacheNote);
    EXPECT_EQ(Rows(page), Strings{Row("Loaded", 2003, 1, 22)});
    EXPECT_FALSE(page.m_listChanged);
    EXPECT_FALSE(Enabled(page, IDC_HOL_SAVE));
    EXPECT_EQ(m_settings.GetText(setting::kHolidayFile), File("missing.tvh"));
  });
}

TEST_F(DateListPagesTest, SaveFileWritesTheListAndMonthByMonthFollowsTheHolidays) {
  RunPages([&] {
    PickStart(2003, 1, 15);
    PickEnd(2003, 1, 31);
    EXPECT_EQ(Text(IDC_MBM_BUSINESSDAYS), "12");

    const struct {
      int page;
      int save;
      const char* name;
      const char* file;
      const char* setting;
    } lists[] = {{kHolidaysPage, IDC_HOL_SAVE, "Picnic", "h.tvh", setting::kHolidayFile},
                 {kEventsPage, IDC_EVT_SAVE, "Party", "e.tve", setting::kEventFile}};
    for (const auto& l : lists) {
      SCOPED_TRACE(l.file);
      CDateListPage& page = Show(l.page);
      // The same day on both pages: each keeps its own.
      PickDay(page, 2003, 1, 20);
      Type(page, IDC_LIST_NAME, l.name);
      Press(page, IDC_LIST_ADD);
      Type(page, IDC_LIST_LOCATION, File(l.file));
      Press(page, l.save);
      EXPECT_EQ(ReadBytes(File(l.file)), std::string("!Version: 1.0\r\n") + l.name + "|2003/01/20\r\n");
      EXPECT_EQ(m_settings.GetText(l.setting), File(l.file));
      EXPECT_FALSE(Enabled(page, l.save));
      EXPECT_FALSE(page.m_listChanged);
    }
    EXPECT_EQ(TextOf(Show(kHolidaysPage), IDC_LIST_NAME), "Picnic");
    EXPECT_EQ(TextOf(Show(kEventsPage), IDC_LIST_NAME), "Party");

    m_dlg->SetActivePage(0);
    EXPECT_EQ(Text(IDC_MBM_BUSINESSDAYS), "11");
    CDateListPage& holidays = Show(kHolidaysPage);
    Press(holidays, IDC_LIST_DELETE);
    EXPECT_EQ(TextOf(Show(kEventsPage), IDC_LIST_NAME), "Party");
    m_dlg->SetActivePage(0);
    EXPECT_EQ(Text(IDC_MBM_BUSINESSDAYS), "12");
  });
}

TEST_F(DateListPagesTest, YearlyBirthdayShowsItsYearsAndComesBackFromTheFile) {
  RunPages([&] {
    CDateListPage& page = Show(kEventsPage);
    PickDay(page, 1967, 1, 20);
    Type(page, IDC_LIST_NAME, "Anna");
    Press(page, IDC_LIST_YEARLY);
    Press(page, IDC_LIST_ADD);
    for (int pass = 0; pass < 2; ++pass) {
      SCOPED_TRACE(pass == 0 ? "added" : "loaded back");
      PickDay(page, 2003, 1, 20);
      EXPECT_EQ(Rows(page), Strings{Row("Anna (36)", 2003, 1, 20)});
      EXPECT_EQ(TextOf(page, IDC_LIST_NAME), "Anna");
      EXPECT_EQ(SendMessageA(ItemOf(page, IDC_LIST_YEARLY), BM_GETCHECK, 0, 0), BST_CHECKED);
      if (pass == 1) break;
      Type(page, IDC_LIST_LOCATION, File("e.tve"));
      Press(page, IDC_EVT_SAVE);
      EXPECT_EQ(ReadBytes(File("e.tve")), "!Version: 1.0\r\n!Every year\r\nAnna|1967/01/20\r\n");
      m_dlg->m_events.clear();
      Press(page, IDC_EVT_LOAD);
    }
    // Delete asks first; not Yes keeps it in every year.
    Press(page, IDC_LIST_DELETE);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "\"Anna\" comes back every year.\nDelete it in every year?");
    EXPECT_EQ(boxes[0].type, UINT(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(m_dlg->m_events.size(), 1u);
  });
}

TEST_F(DateListPagesTest, DaysAheadKeepTheStoredNumberUpToSixty) {
  Store(setting::kRemindDaysAhead, 3);
  RunPages([&] {
    CDateListPage& page = Show(kEventsPage);
    EXPECT_EQ(TextOf(page, IDC_EVT_AHEAD), "3");
    EXPECT_EQ(Stored(setting::kRemindDaysAhead), 3) << "the page's start wrote over it";
    Type(page, IDC_EVT_AHEAD, "75");
    EXPECT_EQ(TextOf(page, IDC_EVT_AHEAD), "60");
    EXPECT_EQ(Stored(setting::kRemindDaysAhead), 60);
    Press(page, IDC_EVT_REMIND);
    EXPECT_FALSE(Enabled(page, IDC_EVT_AHEAD));
  });
}

// The open-file dialog's answers, one call at a time: a file name, or an
// extended error (0: cancelled).
struct DialogAnswer {
  const char* file;
  DWORD error;
};

TEST_F(DateListPagesTest, BrowseRetriesAnInvalidNameOnce) {
  const std::string kFailed =
      "Loading of the file selection dialog failed.\n\n"
      "Manually type in the file to load and click the load button.";
  WriteBytes(File("picked.tve"), "Picked|2003/01/05\n");
  const std::string picked = File("picked.tve");
  const struct {
    const char* name;
    std::vector<DialogAnswer> answers;
    bool loaded;
    bool failedBox;
  } cases[] = {
      {"cancelled", {{nullptr, 0}}, false, false},
      {"invalid name, then picked", {{nullptr, FNERR_INVALIDFILENAME}, {picked.c_str(), 0}}, true, false},
      {"invalid name, then cancelled", {{nullptr, FNERR_INVALIDFILENAME}, {nullptr, 0}}, false, false},
      {"invalid name twice", {{nullptr, FNERR_INVALIDFILENAME}, {nullptr, FNERR_INVALIDFILENAME}}, false, true},
      {"another failure", {{nullptr, CDERR_INITIALIZATION}}, false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    boxes.clear();
    m_settings.SetText(setting::kEventFile, "");  // no list loaded at start-up
    std::vector<std::string> initialNames;
    size_t call = 0;
    SetOpenFileHook([&](OPENFILENAMEA& ofn) {
      initialNames.push_back(ofn.lpstrFile);
      EXPECT_STREQ(ofn.lpstrDefExt, "tve");
      const DialogAnswer answer = c.answers.at(call++);
      if (answer.file == nullptr) {
        SetOpenFileDialogError(answer.error);
        return false;
      }
      lstrcpynA(ofn.lpstrFile, answer.file, static_cast<int>(ofn.nMaxFile));
      return true;
    });
    RunPages([&] {
      CDateListPage& page = Show(kEventsPage);
      Type(page, IDC_LIST_LOCATION, "http://example.org/list.tve");
      Press(page, IDC_LIST_BROWSE);
      EXPECT_EQ(call, c.answers.size());
      EXPECT_EQ(initialNames.front(), "http://example.org/list.tve");
      if (initialNames.size() > 1) {
        EXPECT_EQ(initialNames[1], "");
      }
      EXPECT_EQ(Rows(page).size(), c.loaded ? 1u : 0u);
      EXPECT_EQ(TextOf(page, IDC_LIST_LOCATION), c.loaded ? picked : "http://example.org/list.tve");
      ASSERT_EQ(boxes.size(), c.failedBox ? 1u : 0u);
      if (c.failedBox) {
        EXPECT_EQ(boxes[0].text, kFailed);
        EXPECT_EQ(boxes[0].type, UINT(MB_OK | MB_ICONERROR));
      }
    });
    SetOpenFileHook(nullptr);
  }
}

}  // namespace
}  // namespace listpage
