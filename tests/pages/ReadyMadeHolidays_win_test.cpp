// The Holidays page's ready-made lists, from the holidays folder beside the
// test program as beside the installed one: the chooser, the user's copy in
// Documents, and the Month by Month page following the loaded list.
#include <shlobj.h>

#include <algorithm>

#include "framework/ExecutableName.h"
#include "pages/ListPageHarness.h"

namespace listpage {
namespace {

using listtest::ReadBytes;
using listtest::WriteBytes;

// Keys go through the chooser's own loop, as a user's would.
void Key(HWND dlg, UINT msg, WPARAM key) {
  PostMessageA(GetDlgItem(dlg, IDC_READY_LIST), msg, key, 0);
}

std::string Documents() {
  char path[MAX_PATH] = {};
  SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

class ReadyMadeTest : public ListPageTest {
 protected:
  void SetUp() override {
    ListPageTest::SetUp();
    DeleteFileA(m_copy.c_str());
  }
  void TearDown() override {
    DeleteFileA(m_copy.c_str());
    ListPageTest::TearDown();
  }

  // Presses Ready-made on the Holidays page; the script acts in the chooser.
  void Choose(CDateListPage& page, const std::function<void(HWND)>& script) {
    probe::InDialog("Ready-made holiday lists", [&] { Press(page, IDC_HOL_READYMADE); }, script);
  }
  // 'I' finds Iceland, the first name with an I; Enter loads it.
  void ChooseIceland(CDateListPage& page) {
    Choose(page, [](HWND dlg) {
      Key(dlg, WM_CHAR, 'I');
      Key(dlg, WM_KEYDOWN, VK_RETURN);
    });
  }

  const std::string m_ready = ExecutableFolder() + "\\holidays\\Iceland.tvh";
  const std::string m_copy = Documents() + "\\Iceland holidays.tvh";
};

TEST_F(ReadyMadeTest, TheChooserListsCountriesAndRegionsAndEscapeChangesNothing) {
  RunPages([&] {
    CDateListPage& page = Show(kHolidaysPage);
    LRESULT count = 0, germany = LB_ERR, bayern = LB_ERR;
    Choose(page, [&](HWND dlg) {
      HWND list = GetDlgItem(dlg, IDC_READY_LIST);
      count = SendMessageA(list, LB_GETCOUNT, 0, 0);
      germany = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                             reinterpret_cast<LPARAM>("Germany\t2020 - 2040\tMon-Fri"));
      bayern = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                            reinterpret_cast<LPARAM>("Germany - Bayern\t2020 - 2040\tMon-Fri"));
      Key(dlg, WM_KEYDOWN, VK_ESCAPE);
    });
    EXPECT_GT(count, 200);
    ASSERT_NE(germany, LB_ERR);
    EXPECT_GT(bayern, germany);  // a country's regions follow it
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(GetFileAttributesA(m_copy.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(m_settings.GetText("HolidayFile"), "");
    EXPECT_TRUE(m_dlg->m_holidays.empty());
  });
}

TEST_F(ReadyMadeTest, EnterLoadsACopyInDocumentsAndMonthByMonthFollows) {
  RunPages([&] {
    PickStart(2020, 12, 19);  // a Saturday
    PickEnd(2021, 1, 3);      // a Sunday
    EXPECT_EQ(Text(IDC_MBM_BUSINESSDAYS), "10");

    CDateListPage& page = Show(kHolidaysPage);
    probe::Watcher watch(ItemOf(page, IDC_HOL_CALENDAR));
    ChooseIceland(page);
    EXPECT_EQ(ReadBytes(m_copy), ReadBytes(m_ready));
    EXPECT_EQ(m_settings.GetText("HolidayFile"), m_copy);
    EXPECT_EQ(TextOf(page, IDC_LIST_LOCATION), m_copy);
    EXPECT_FALSE(page.m_listChanged);
    EXPECT_FALSE(Enabled(page, IDC_HOL_SAVE));
    PickDay(page, 2020, 12, 10);
    const Strings rows = Rows(page);
    for (const std::string& row :
         {Row("Christmas Eve", 2020, 12, 24), Row("Christmas Day", 2020, 12, 25),
          Row("Boxing Day", 2020, 12, 26), Row("New Year's Eve", 2020, 12, 31)}) {
      EXPECT_NE(std::find(rows.begin(), rows.end(), row), rows.end()) << row;
    }
    const auto days = LastDayStates(watch);
    ASSERT_EQ(days.size(), 3u);
    EXPECT_EQ(days[1], Bit(24) | Bit(25) | Bit(26) | Bit(31));

    // Christmas Eve and Day, New Year's Eve and Day fall on weekdays.
    m_dlg->SetActivePage(0);
    EXPECT_EQ(Text(IDC_MBM_BUSINESSDAYS), "6");
  });
}

// India rests on Sunday only: the user is asked whether business days
// should follow; Yes stores the week, and Month by Month counts with it.
TEST_F(ReadyMadeTest, AListOfAnotherWorkWeekOffersItForBusinessDays) {
  const std::string copy = Documents() + "\\India holidays.tvh";
  DeleteFileA(copy.c_str());
  RunPages([&] {
    PickStart(2020, 11, 2);  // Monday to Monday
    PickEnd(2020, 11, 9);
    SetMessageBoxHook([&](const MessageBoxCall& call) {
      boxes.push_back(call);
      return IDYES;
    });
    Choose(Show(kHolidaysPage), [](HWND dlg) {
      Key(dlg, WM_CHAR, 'I');  // Iceland, then India
      Key(dlg, WM_CHAR, 'I');
      Key(dlg, WM_KEYDOWN, VK_RETURN);
    });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "India works Monday to Saturday. Use this work week for business days?");
    EXPECT_EQ(boxes[0].caption, "Tempovista");
    EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(m_settings.GetNumber(setting::kWorkWeek), 0x3F);
    m_dlg->SetActivePage(0);
    EXPECT_EQ(Text(IDC_MBM_BUSINESSDAYS), "6");
  });
  DeleteFileA(copy.c_str());
}

// A copy already in Documents may hold the user's own changes.
TEST_F(ReadyMadeTest, AnExistingCopyIsReplacedOnlyWhenTheUserSaysYes) {
  const std::string mine = "Mine|2020/12/21\r\n";
  const struct {
    int answer;
    bool loaded;
    bool replaced;
  } cases[] = {{IDCANCEL, false, false}, {IDNO, true, false}, {IDYES, true, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    WriteBytes(m_copy, mine);
    m_settings.SetText("HolidayFile", "");
    RunPages([&] {
      CDateListPage& page = Show(kHolidaysPage);
      SetMessageBoxHook([&](const MessageBoxCall& call) {
        boxes.push_back(call);
        return c.answer;
      });
      ChooseIceland(page);
      ASSERT_EQ(boxes.size(), 1u);
      EXPECT_NE(boxes[0].text.find(m_copy), std::string::npos);
      EXPECT_EQ(ReadBytes(m_copy), c.replaced ? ReadBytes(m_ready) : mine);
      EXPECT_EQ(m_settings.GetText("HolidayFile"), c.loaded ? m_copy : "");
      PickDay(page, 2020, 12, 21);
      EXPECT_EQ(TextOf(page, IDC_LIST_NAME), c.loaded && !c.replaced ? "Mine" : "");
    });
    boxes.clear();
  }
}

// Greece's list in Greek: offered by the language's own name (English first
// for a user of another language), copied under a name that carries it.
TEST_F(ReadyMadeTest, AListInItsCountrysLanguageIsCopiedUnderTheLanguagesName) {
  const std::string copy = Documents() + "\\Greece holidays (Ελληνικά).tvh";
  DeleteFileA(copy.c_str());
  LRESULT offered = 0, first = -1;
  wchar_t language[32] = {};
  RunPages([&] {
    Choose(Show(kHolidaysPage), [&](HWND dlg) {
      HWND list = GetDlgItem(dlg, IDC_READY_LIST);
      HWND names = GetDlgItem(dlg, IDC_READY_NAMES);
      const LRESULT greece =
          SendMessageA(list, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("Greece\t"));
      SendMessageA(list, LB_SETCURSEL, greece, 0);
      SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDC_READY_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
      offered = SendMessageW(names, CB_GETCOUNT, 0, 0);
      first = SendMessageW(names, CB_GETCURSEL, 0, 0);
      SendMessageW(names, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(language));
      SendMessageW(names, CB_SETCURSEL, 1, 0);
      Key(dlg, WM_KEYDOWN, offered == 2 ? VK_RETURN : VK_ESCAPE);
    });
  });
  EXPECT_EQ(first, 0);
  ASSERT_EQ(offered, 2);
  EXPECT_STREQ(language, L"\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac");  // Ελληνικά
  EXPECT_TRUE(ReadBytes(copy) == ReadBytes(ExecutableFolder() + "\\holidays\\Greece.el.tvh"));
  EXPECT_EQ(m_settings.GetText("HolidayFile"), copy);
  DeleteFileA(copy.c_str());
}

}  // namespace
}  // namespace listpage
