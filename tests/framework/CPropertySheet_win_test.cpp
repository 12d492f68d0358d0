// The real comctl32 sheet with real pages from the program's templates.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "SheetScript.h"

using namespace sheetscript;

namespace {

struct SheetFixture : ::testing::Test {
  std::vector<std::string> log;
  std::vector<std::unique_ptr<ProbePage>> pages;
  std::unique_ptr<ScriptedSheet> sheet = std::make_unique<ScriptedSheet>(log);

  void AddPages(std::initializer_list<UINT> templates) {
    for (UINT id : templates) {
      pages.push_back(std::make_unique<ProbePage>(id, "p" + std::to_string(pages.size()), log));
      sheet->AddPage(pages.back().get());
    }
  }
  bool Logged(const std::string& event) const { return std::find(log.begin(), log.end(), event) != log.end(); }
  size_t IndexOf(const std::string& event) const {
    return static_cast<size_t>(std::find(log.begin(), log.end(), event) - log.begin());
  }
};

std::string TabText(HWND sheet, int index) {
  HWND tab = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
  char text[64] = {};
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = sizeof(text);
  SendMessageA(tab, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return text;
}

TEST_F(SheetFixture, SixTemplatesGiveTheTabCaptionsInOrder) {
  AddPages({IDD_MONTHBYMONTH, IDD_STOPWATCH, IDD_HOLIDAYS, IDD_EVENTS, IDD_COUNTDOWN, IDD_ABOUT});
  std::vector<std::string> tabs;
  std::string title;
  sheet->m_steps.push_back([&](ScriptedSheet& s) {
    for (int i = 0; i < 6; ++i) tabs.push_back(TabText(s.GetSafeHwnd(), i));
    char text[64] = {};
    GetWindowTextA(s.GetSafeHwnd(), text, sizeof(text));
    title = text;
  });
  sheet->DoModal();
  EXPECT_EQ(tabs, (std::vector<std::string>{"Month by Month", "Stopwatch", "Holidays", "Events", "Countdowns",
                                            "About"}));
  EXPECT_EQ(title, "Framework test");
}

// What the main window relies on: its lists are loaded before any page
// initialises, and its own initialisation sees the start page made but
// nothing shown yet.
TEST_F(SheetFixture, PreCreateThenStartPageThenSheetInitBeforeShowing) {
  AddPages({IDD_ABOUT, IDD_STOPWATCH});
  sheet->SetActivePage(1);
  sheet->DoModal();
  ASSERT_TRUE(Logged("sheet:init"));
  EXPECT_EQ(log.front(), "sheet:precreate");
  EXPECT_LT(IndexOf("p1:init"), IndexOf("sheet:init"));
  EXPECT_FALSE(sheet->m_bVisibleAtInit);
  EXPECT_LT(IndexOf("p1:init"), IndexOf("p0:init"));  // p1 was the start page
  EXPECT_EQ(sheet->GetSafeHwnd(), nullptr);
  EXPECT_EQ(pages[0]->GetSafeHwnd(), nullptr);
  EXPECT_TRUE(Logged("sheet:destroy"));
}

// Members are written at initialisation, read when the page is left and
// written again when it comes back, but not at the first activation, which
// would undo what the page's own initialisation did to its controls.
TEST_F(SheetFixture, ActivationExchangesDataLikeTheFramework) {
  AddPages({IDD_ABOUT, IDD_STOPWATCH});
  pages[0]->m_strText = "from member";
  pages[0]->m_bCheck = TRUE;
  pages[1]->m_strText = "member of p1";
  pages[1]->m_textAfterInit = "set by the page";
  std::string p0Initial, p1First, p0Returned;
  LRESULT p0Check = 0;
  sheet->m_steps = {
      [&](ScriptedSheet& s) {
        char text[64] = {};
        GetDlgItemTextA(s.Page(0), kEditId, text, sizeof(text));
        p0Initial = text;
        p0Check = SendDlgItemMessageA(s.Page(0), kCheckId, BM_GETCHECK, 0, 0);
        SetDlgItemTextA(s.Page(0), kEditId, "typed");  // the user edits page 0
        SendDlgItemMessageA(s.Page(0), kCheckId, BM_SETCHECK, BST_UNCHECKED, 0);
        EXPECT_TRUE(s.SetActivePage(1));
      },
      [&](ScriptedSheet& s) {
        EXPECT_EQ(s.GetActiveIndex(), 1);
        char text[64] = {};
        GetDlgItemTextA(s.Page(1), kEditId, text, sizeof(text));
        p1First = text;
        pages[0]->m_strText = "changed while away";
        s.SetActivePage(0);
      },
      [&](ScriptedSheet& s) {
        char text[64] = {};
        GetDlgItemTextA(s.Page(0), kEditId, text, sizeof(text));
        p0Returned = text;
      },
  };
  sheet->DoModal();
  EXPECT_EQ(p0Initial, "from member");
  EXPECT_EQ(p0Check, BST_CHECKED);
  EXPECT_EQ(pages[0]->m_bCheck, BST_UNCHECKED);  // read when page 0 was left
  EXPECT_EQ(p1First, "set by the page");
  EXPECT_EQ(p0Returned, "changed while away");
}

// The sheet's subclass sees a user's Escape, the close command and a private
// message before comctl32, whose default would end the run (Escape, close)
// or take WM_USER + 0x6A for PSM_REBOOTSYSTEM.
TEST_F(SheetFixture, SubclassAnswersMessagesBeforeComctl32) {
  const UINT kPrivate = WM_USER + 0x6A;
  AddPages({IDD_ABOUT});
  std::vector<std::string> seen;
  sheet->m_intercept = [&](UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    if (msg == WM_COMMAND && LOWORD(wParam) == IDCANCEL) return seen.push_back("cancel"), true;
    if (msg == WM_COMMAND && LOWORD(wParam) == IDOK) return seen.push_back("ok"), true;
    if (msg == WM_SYSCOMMAND && wParam == SC_CLOSE) return seen.push_back("sc_close"), true;
    if (msg == kPrivate) return seen.push_back("private " + std::to_string(lParam)), true;
    return false;
  };
  bool aliveAfter = false;
  sheet->m_steps = {
      [&](ScriptedSheet& s) {
        HWND edit = GetDlgItem(s.Page(0), kEditId);
        SetFocus(edit);
        PostMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0);
      },
      [&](ScriptedSheet& s) { PostMessageA(GetDlgItem(s.Page(0), kEditId), WM_KEYDOWN, VK_RETURN, 0); },
      [&](ScriptedSheet& s) { PostMessageA(s.GetSafeHwnd(), WM_SYSCOMMAND, SC_CLOSE, 0); },
      [&](ScriptedSheet& s) { PostMessageA(s.GetSafeHwnd(), kPrivate, 1, WM_LBUTTONDBLCLK); },
      [&](ScriptedSheet& s) { aliveAfter = IsWindow(s.GetSafeHwnd()) && IsWindowVisible(s.GetSafeHwnd()); },
  };
  sheet->DoModal();
  EXPECT_EQ(seen, (std::vector<std::string>{"cancel", "ok", "sc_close", "private 515"}));
  EXPECT_TRUE(aliveAfter);
}

TEST_F(SheetFixture, MessagesPassedOnReachComctl32AndEndTheRun) {
  struct Case {
    const char* what;
    UINT msg;
    WPARAM wParam;
  };
  for (const Case& c : {Case{"cancel", WM_COMMAND, IDCANCEL}, Case{"close command", WM_SYSCOMMAND, SC_CLOSE},
                        Case{"close", WM_CLOSE, 0}}) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> runLog;
    ProbePage page(IDD_ABOUT, "p0", runLog);
    ScriptedSheet run(runLog);
    run.AddPage(&page);
    int stepsRun = 0;
    run.m_steps = {[&](ScriptedSheet& s) { ++stepsRun, PostMessageA(s.GetSafeHwnd(), c.msg, c.wParam, 0); },
                   [&](ScriptedSheet&) { ++stepsRun; }};
    run.DoModal();
    EXPECT_EQ(stepsRun, 1);  // the run ended before the next tick
    EXPECT_EQ(run.GetSafeHwnd(), nullptr);
  }
}

// No exception crosses a window procedure: the sheet and the page go on.
TEST_F(SheetFixture, ExceptionsInHandlersStayInsideTheProcedure) {
  AddPages({IDD_ABOUT});
  sheet->m_intercept = [&](UINT msg, WPARAM wParam, LPARAM, LRESULT&) -> bool {
    if (msg == WM_COMMAND && LOWORD(wParam) == 0x7777) throw std::runtime_error("sheet handler failed");
    return false;
  };
  bool alive = false;
  sheet->m_steps = {
      [&](ScriptedSheet& s) { SendMessageA(s.GetSafeHwnd(), WM_COMMAND, 0x7777, 0); },
      [&](ScriptedSheet& s) {
        pages[0]->m_bThrowOnClick = true;
        SendDlgItemMessageA(s.Page(0), kButtonId, BM_CLICK, 0, 0);
        pages[0]->m_bThrowOnClick = false;
        SendDlgItemMessageA(s.Page(0), kButtonId, BM_CLICK, 0, 0);
      },
      [&](ScriptedSheet& s) { alive = IsWindow(s.GetSafeHwnd()) != FALSE; },
  };
  sheet->DoModal();
  EXPECT_TRUE(alive);
  EXPECT_EQ(pages[0]->m_nClicks, 1);
}

// The program removes its pages after the run; a sheet can also run again.
TEST_F(SheetFixture, RunsAgainAndRemovesPages) {
  AddPages({IDD_ABOUT, IDD_STOPWATCH, IDD_EVENTS});
  sheet->DoModal();
  log.clear();
  pages[0]->m_textAfterInit = "again";
  std::string text;
  sheet->m_steps = {[&](ScriptedSheet& s) {
    char buffer[64] = {};
    GetDlgItemTextA(s.Page(0), kEditId, buffer, sizeof(buffer));
    text = buffer;
  }};
  sheet->DoModal();
  EXPECT_TRUE(Logged("p0:init"));
  EXPECT_EQ(text, "again");  // first activation of the new window again leaves it alone
  sheet->RemovePage(1);
  ASSERT_EQ(sheet->GetPageCount(), 2);
  EXPECT_EQ(sheet->GetPage(1), pages[2].get());
  sheet->RemovePage(5);  // out of range: nothing
  EXPECT_EQ(sheet->GetPageCount(), 2);
}

}  // namespace
