// The save questions when the program is told to end: from the system
// menu's Exit, and when the session ends.
#include "pages/ListPageHarness.h"

#include <map>

namespace listpage {
namespace {

const char kConfirm[] = "Are you sure you want to terminate this application";
const char kHolidaysQuestion[] = "Holidays have been changed.\nDo you want to save them to file ?";
const char kEventsQuestion[] = "Events have been changed.\nDo you want to save them to file ?";
const char kCannotSave[] =
    "Unable to save content to the location specified.  \nCheck your location and try again.";

class ExitPromptTest : public ListPageTest {
 protected:
  // Answers each box by its text; records every box.
  void Answer(std::map<std::string, int> answers) {
    SetMessageBoxHook([this, answers](const MessageBoxCall& call) {
      boxes.push_back(call);
      const auto it = answers.find(call.text);
      return it != answers.end() ? it->second : IDOK;
    });
  }
  // A change on the page: a named day added, the location typed.
  void Change(int index, const std::string& location) {
    CDateListPage& page = Show(index);
    PickDay(page, 2003, 1, 20);
    Type(page, IDC_LIST_NAME, "Changed");
    Press(page, IDC_LIST_ADD);
    Type(page, IDC_LIST_LOCATION, location);
  }
  // Counts the WM_CLOSE messages that end the main window's run.
  void WatchCloses() {
    SetWindowSubclass(m_dlg->GetSafeHwnd(), &CountCloses, 1, reinterpret_cast<DWORD_PTR>(&m_closes));
  }
  static LRESULT CALLBACK CountCloses(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                     DWORD_PTR counter) {
    if (msg == WM_CLOSE) ++*reinterpret_cast<int*>(counter);
    return DefSubclassProc(hwnd, msg, wParam, lParam);
  }
  Strings Texts() const {
    Strings texts;
    for (const MessageBoxCall& box : boxes) texts.push_back(box.text);
    return texts;
  }
  int m_closes = 0;
};

TEST_F(ExitPromptTest, EachChangedListIsAskedForInOrderAndSavedOnYes) {
  Answer({{kConfirm, IDYES}, {kHolidaysQuestion, IDNO}, {kEventsQuestion, IDYES}});
  RunPages([&] {
    Change(kEventsPage, File("e.tve"));
    Change(kHolidaysPage, File("h.tvh"));
    Show(kEventsPage);
    Type(m_evt, IDC_LIST_LOCATION, File("typed.tve"));
    WatchCloses();
    SendMessageA(m_dlg->GetSafeHwnd(), WM_SYSCOMMAND, kSysCommandExit, 0);
    EXPECT_EQ(Texts(), (Strings{kConfirm, kHolidaysQuestion, kEventsQuestion}));
    EXPECT_EQ(boxes[1].type, UINT(MB_YESNO | MB_ICONQUESTION));
    // The location last taken from the field (as the page was left), not
    // what was typed since.
    EXPECT_EQ(listtest::ReadBytes(File("e.tve")), "!Version: 1.0\r\nChanged|2003/01/20\r\n");
    EXPECT_FALSE(listtest::Exists(File("h.tvh")));
    EXPECT_EQ(m_closes, 1);
  });
}

TEST_F(ExitPromptTest, AFailedSaveKeepsTheProgramAndTheListAndAsksNoMore) {
  const struct {
    const char* name;
    bool holidaysSaves;
    Strings texts;
  } cases[] = {
      {"holidays fail", false, {kConfirm, kHolidaysQuestion, kCannotSave}},
      {"events fail", true, {kConfirm, kHolidaysQuestion, kEventsQuestion, kCannotSave}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    boxes.clear();
    m_closes = 0;
    Answer({{kConfirm, IDYES}, {kHolidaysQuestion, IDYES}, {kEventsQuestion, IDYES}});
    const std::string nowhere = File("no such folder") + "\\list";
    RunPages([&] {
      Change(kHolidaysPage, c.holidaysSaves ? File("h.tvh") : nowhere);
      Change(kEventsPage, nowhere);
      m_dlg->SetActivePage(0);
      ShowWindow(m_dlg->GetSafeHwnd(), SW_HIDE);
      WatchCloses();
      SendMessageA(m_dlg->GetSafeHwnd(), WM_SYSCOMMAND, kSysCommandExit, 0);
      EXPECT_EQ(Texts(), c.texts);
      EXPECT_EQ(m_closes, 0);
      EXPECT_TRUE(IsWindowVisible(m_dlg->GetSafeHwnd()));
      EXPECT_EQ(m_dlg->GetActiveIndex(), c.holidaysSaves ? kEventsPage : kHolidaysPage);
      EXPECT_EQ(m_hol.m_listChanged, !c.holidaysSaves);
      EXPECT_TRUE(m_evt.m_listChanged);
      EXPECT_EQ(m_dlg->m_events.size(), 1u);
      EXPECT_EQ(m_dlg->m_holidays.size(), 1u);
    });
  }
}

TEST_F(ExitPromptTest, TheSessionEndsOnlyOnceTheChangedListsAreSavedOrLeft) {
  const struct {
    const char* name;
    bool change;
    int answer;
    bool goodLocation;
    LRESULT result;
    size_t questions;
  } cases[] = {
      {"nothing changed", false, IDYES, true, TRUE, 0},
      {"saved", true, IDYES, true, TRUE, 1},
      {"left unsaved", true, IDNO, false, TRUE, 1},
      {"save failed", true, IDYES, false, FALSE, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    boxes.clear();
    Answer({{kHolidaysQuestion, c.answer}});
    RunPages([&] {
      if (c.change) Change(kHolidaysPage, c.goodLocation ? File("h.tvh") : File("no such folder") + "\\h");
      m_dlg->SetActivePage(0);
      EXPECT_EQ(SendMessageA(m_dlg->GetSafeHwnd(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), c.result);
      size_t questions = 0;
      for (const std::string& text : Texts()) questions += text == kHolidaysQuestion ? 1 : 0;
      EXPECT_EQ(questions, c.questions);
      const bool saved = c.answer == IDYES && c.goodLocation;
      EXPECT_EQ(m_hol.m_listChanged, c.change && !saved);
    });
  }
}

}  // namespace
}  // namespace listpage
