#include <gtest/gtest.h>

#include <string>

#include "app/MainDlgHarness.h"
#include "base/ProgramNames.h"
#include "framework/Dpi.h"
#include "framework/ResourceModule.h"
#include "support/WindowProbe_win.h"

namespace maindlg {
namespace {

// A 7th of the month, and the tray's picture of that day.
const COleDateTime kSeventh(2026, 12, 7, 9, 0, 0);
HICON SeventhIcon() { return LoadSharedIcon(ResourceModule(), IDI_DAY_BASE + 7, IconSize::Small); }

TEST_F(MainDlgTest, InitialisesButtonsIconsSystemMenuAndTrayIcon) {
  HWND hide = nullptr;
  RECT sheet{}, button{};
  bool shown[3] = {};
  LONG style = 0;
  SIZE big{}, small{};  // the window's own icons, gone with it
  std::vector<std::pair<UINT, std::string>> tail;
  Run({[&] {
    const int hidden[3] = {0x3021, 9, IDCANCEL};  // Apply, Help, Cancel
    for (int i = 0; i < 3; ++i) shown[i] = IsWindowVisible(GetDlgItem(Sheet(), hidden[i]));
    hide = GetDlgItem(Sheet(), IDOK);
    GetWindowRect(Sheet(), &sheet);
    GetWindowRect(hide, &button);
    style = GetWindowLongA(Sheet(), GWL_STYLE);
    big = probe::IconPixels(reinterpret_cast<HICON>(SendMessageA(Sheet(), WM_GETICON, ICON_BIG, 0)));
    small = probe::IconPixels(reinterpret_cast<HICON>(SendMessageA(Sheet(), WM_GETICON, ICON_SMALL, 0)));
    HMENU menu = GetSystemMenu(Sheet(), FALSE);
    const int count = GetMenuItemCount(menu);
    for (int i = count - 3; i < count; ++i) {
      char text[64] = {};
      GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
      tail.emplace_back(GetMenuItemID(menu, i), text);
    }
    EXPECT_EQ(probe::WindowTitle(hide), "Hide");
    EXPECT_TRUE(IsWindowVisible(hide));
    return true;
  }});

  EXPECT_FALSE(shown[0]) << "Apply";
  EXPECT_FALSE(shown[1]) << "Help";
  EXPECT_FALSE(shown[2]) << "Cancel";
  EXPECT_EQ(sheet.right - button.right, sheet.bottom - button.bottom) << "right margin equals bottom margin";
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  // Each icon at the size this display asks for, not a scaled 16 or 32.
  EXPECT_EQ(big.cx, GetSystemMetrics(SM_CXICON));
  EXPECT_EQ(small.cx, GetSystemMetrics(SM_CXSMICON));
  ASSERT_EQ(tail.size(), 3u);
  EXPECT_EQ(tail[0], std::make_pair(UINT(SC_MINIMIZE), std::string("Minimize")));
  EXPECT_EQ(tail[1].first, UINT(0)) << "separator";
  EXPECT_EQ(tail[2], std::make_pair(UINT(1), std::string("Exit")));

  ASSERT_GE(shell.size(), 2u);
  const ShellCall& add = shell.front();
  EXPECT_EQ(add.message, DWORD(NIM_ADD));
  EXPECT_EQ(add.data.cbSize, DWORD(NOTIFYICONDATAW_V1_SIZE));
  EXPECT_EQ(add.data.uID, 1u);
  EXPECT_EQ(add.data.uFlags, UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP));
  EXPECT_EQ(add.data.uCallbackMessage, 0x046Au);
  EXPECT_EQ(probe::IconPixels(add.data.hIcon).cx, GetSystemMetrics(SM_CXSMICON));
  EXPECT_STREQ(add.data.szTip, L"Tempovista");
  // The window's destruction takes the icon away.
  EXPECT_EQ(shell.back().message, DWORD(NIM_DELETE));
  EXPECT_EQ(shell.back().data.uFlags, 0u);
  EXPECT_EQ(shell.back().data.hWnd, add.data.hWnd);
}

// Each user action, from a shown window whose state was stored as 7/7 (so
// that any write shows): what the window does and what it stores.
struct StateCase {
  const char* action;
  std::function<void(MainDlgTest&)> act;
  bool visible;
  bool iconic;
  LONG hide;
  LONG minimised;
};

TEST_F(MainDlgTest, UserActionsSetAndStoreTheWindowState) {
  const StateCase cases[] = {
      {"close command", [](MainDlgTest& t) { t.SysCommand(SC_CLOSE); }, false, false, 1, 1},
      {"close with low bits", [](MainDlgTest& t) { t.SysCommand(SC_CLOSE | 3); }, false, false, 1, 1},
      {"Escape", [](MainDlgTest& t) { t.PressKey(VK_ESCAPE); }, false, false, 1, 1},
      {"Enter", [](MainDlgTest& t) { t.PressKey(VK_RETURN); }, false, false, 1, 1},
      {"Hide button", [](MainDlgTest& t) { SendMessageA(GetDlgItem(t.Sheet(), IDOK), BM_CLICK, 0, 0); }, false, false, 1, 1},
      {"minimise command", [](MainDlgTest& t) { t.SysCommand(SC_MINIMIZE); }, true, true, 0, 1},
      {"restore command", [](MainDlgTest& t) { t.SysCommand(SC_RESTORE); }, true, false, 0, 0},
      {"maximise command", [](MainDlgTest& t) { t.SysCommand(SC_MAXIMIZE); }, true, false, 0, 0},
      {"tray double-click", [](MainDlgTest& t) { t.Tray(WM_LBUTTONDBLCLK); }, true, false, 0, 0},
      {"tray left click", [](MainDlgTest& t) { t.Tray(WM_LBUTTONDOWN); t.Tray(WM_LBUTTONUP); }, true, false, kUntouched, kUntouched},
      {"tray right double-click", [](MainDlgTest& t) { t.Tray(WM_RBUTTONDBLCLK); }, true, false, kUntouched, kUntouched},
      {"tray mouse move", [](MainDlgTest& t) { t.Tray(WM_MOUSEMOVE); t.Tray(WM_RBUTTONDOWN); }, true, false, kUntouched, kUntouched},
      // Compared whole: the framework minimises, nothing is stored.
      {"minimise with low bits", [](MainDlgTest& t) { t.SysCommand(SC_MINIMIZE | 1); }, true, true, kUntouched, kUntouched},
  };
  for (const StateCase& c : cases) {
    SCOPED_TRACE(c.action);
    bool visible = false, iconic = false;
    const bool ended = Run({[&] {
                              StoreState(kUntouched, kUntouched);
                              c.act(*this);
                              return true;
                            },
                            [] { return true; },  // let posted messages arrive
                            [&] {
                              visible = Visible();
                              iconic = Iconic();
                              return true;
                            }});
    EXPECT_FALSE(ended) << "the program must run on";
    EXPECT_EQ(visible, c.visible);
    EXPECT_EQ(iconic, c.iconic);
    EXPECT_EQ(Stored(setting::kWindowHide), c.hide);
    EXPECT_EQ(Stored(setting::kWindowMinimised), c.minimised);
    EXPECT_TRUE(boxes.empty());
  }
}

TEST_F(MainDlgTest, DoubleClickOnTheTrayIconBringsAHiddenWindowBack) {
  bool hidden = true, shown = false;
  Run({[&] { SysCommand(SC_CLOSE); return true; },
       [&] { hidden = !Visible(); Tray(WM_LBUTTONDBLCLK); return true; },
       [&] { shown = Visible() && !Iconic(); return true; }});
  EXPECT_TRUE(hidden);
  EXPECT_TRUE(shown);
  EXPECT_EQ(Stored(setting::kWindowHide), 0);
  EXPECT_EQ(Stored(setting::kWindowMinimised), 0);
}

// The tray menu, opened by a right-button release and answered with an
// item's mnemonic, from a hidden window showing page 0.
struct MenuCase {
  char key;
  int page;
  bool visible;
  LONG hide;
  LONG minimised;
};

TEST_F(MainDlgTest, TrayMenuSelectsPagesAndShowsOrHidesTheWindow) {
  const MenuCase cases[] = {
      {'m', 0, true, 0, 0}, {'s', 1, true, 0, 0}, {'i', 2, true, 0, 0}, {'e', 3, true, 0, 0},
      {'t', 4, true, 0, 0}, {'a', 5, true, 0, 0}, {'o', 0, true, 0, 0}, {'h', 0, false, 1, 1},
  };
  for (const MenuCase& c : cases) {
    SCOPED_TRACE(std::string("key ") + c.key);
    UINT defaultItem = 0;
    bool visible = false;
    int page = -1;
    Run({[&] { SysCommand(SC_CLOSE); StoreState(kUntouched, kUntouched); Tray(WM_RBUTTONUP); return true; },
         [&] {
           HWND menu = probe::FindPopupMenu(GetCurrentProcessId());
           if (menu == nullptr) return false;
           HMENU items = reinterpret_cast<HMENU>(SendMessageA(menu, 0x01E1 /* MN_GETHMENU */, 0, 0));
           defaultItem = GetMenuDefaultItem(items, FALSE, 0);
           probe::ChooseMenuItem(menu, c.key);
           return true;
         },
         [&] { visible = Visible(); page = ActivePage(); return probe::FindPopupMenu(GetCurrentProcessId()) == nullptr; }});
    EXPECT_EQ(defaultItem, UINT(ID_TRAY_OPEN));
    EXPECT_EQ(page, c.page);
    EXPECT_EQ(visible, c.visible);
    EXPECT_EQ(Stored(setting::kWindowHide), c.hide);
    EXPECT_EQ(Stored(setting::kWindowMinimised), c.minimised);
  }
}

TEST_F(MainDlgTest, TrayMenuExitEndsTheRunWithoutAskingAndRemovesTheIcon) {
  const bool ended = Run({[&] { StoreState(kUntouched, kUntouched); Tray(WM_RBUTTONUP); return true; },
                          [&] {
                            HWND menu = probe::FindPopupMenu(GetCurrentProcessId());
                            if (menu != nullptr) probe::ChooseMenuItem(menu, 'x');
                            return menu != nullptr;
                          },
                          [] { return false; }});  // wait for the run to end
  EXPECT_TRUE(ended);
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(Stored(setting::kWindowHide), kUntouched);
  ASSERT_FALSE(shell.empty());
  EXPECT_EQ(shell.back().message, DWORD(NIM_DELETE));
}

TEST_F(MainDlgTest, SystemMenuExitAsksAndNoChangesNothing) {
  boxAnswer = IDNO;
  bool visible = false;
  const bool ended = Run({[&] { StoreState(kUntouched, kUntouched); SysCommand(1); return true; },
                          [&] { visible = Visible(); return true; }});
  EXPECT_FALSE(ended);
  EXPECT_TRUE(visible);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Are you sure you want to terminate this application");
  EXPECT_EQ(boxes[0].caption, kProgramTitle);
  EXPECT_EQ(boxes[0].type, UINT(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2));
  EXPECT_NE(boxes[0].owner, nullptr);
  EXPECT_EQ(Stored(setting::kWindowHide), kUntouched);
  EXPECT_EQ(Stored(setting::kWindowMinimised), kUntouched);
  EXPECT_EQ(Count(NIM_DELETE), 1) << "only the harness's own close removed the icon";
}

// A list message shown while a dialog of ours is up (the year table's
// save) belongs to that dialog, which the user is in; else to the window.
TEST_F(MainDlgTest, ListMessagesGoOverTheDialogInUse) {
  std::vector<HWND> owners;
  Run({[&] {
         m_dlg->ShowListMessage("one", kProgramTitle, MB_OK);
         HWND popup = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, Sheet(),
                                      nullptr, nullptr, nullptr);
         SetActiveWindow(popup);
         m_dlg->ShowListMessage("two", kProgramTitle, MB_OK);
         owners = {Sheet(), popup};
         DestroyWindow(popup);
         return true;
       }});
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].owner, owners[0]);
  EXPECT_EQ(boxes[1].owner, owners[1]);
}

TEST_F(MainDlgTest, SystemMenuExitAnsweredYesEndsTheRun) {
  boxAnswer = IDYES;
  const bool ended = Run({[&] { SysCommand(1); return true; }, [] { return false; }});
  EXPECT_TRUE(ended);
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(shell.back().message, DWORD(NIM_DELETE));
}

TEST_F(MainDlgTest, RefusedTrayIconIsTriedFiveTimesHalfASecondApartThenTheProgramRunsOn) {
  failShell = 5;
  bool hidden = false;
  const bool ended = Run({[&] { SysCommand(SC_CLOSE); return true; }, [&] { hidden = !Visible(); return true; }});
  EXPECT_FALSE(ended);
  EXPECT_TRUE(hidden) << "the window still answers the user";
  ASSERT_EQ(Count(NIM_ADD), 5);
  for (int i = 1; i < 5; ++i) EXPECT_GE(shell[i].ms - shell[i - 1].ms, 450) << "attempt " << i + 1;
}

TEST_F(MainDlgTest, TrayIconAddedAtTheThirdAttemptIsNotAddedAgain) {
  failShell = 2;
  Run({[] { return true; }});
  EXPECT_EQ(Count(NIM_ADD), 3);
}

// Explorer restarted: its new task bar announces itself, and the icon comes
// back as it last was, also when every attempt at start-up had failed.
TEST_F(MainDlgTest, NewTaskBarGetsTheIconBackWithTheDaysPictureAndTooltip) {
  const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
  HICON day = SeventhIcon();
  for (int refusedAtStart : {0, 5}) {
    SCOPED_TRACE(refusedAtStart);
    shell.clear();
    failShell = refusedAtStart;
    std::vector<ShellCall> afterRestart;
    Run({[&] {
           m_dlg->ModifyTrayIcon("07/12/2026", kSeventh);
           shell.clear();
           SendMessageA(Sheet(), taskbarCreated, 0, 0);
           afterRestart = shell;
           return true;
         }});
    ASSERT_EQ(afterRestart.size(), 1u);
    EXPECT_EQ(afterRestart[0].message, DWORD(NIM_ADD));
    EXPECT_EQ(afterRestart[0].data.uFlags, UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(afterRestart[0].data.uCallbackMessage, UINT(WM_TRAYICON_NOTIFY));
    EXPECT_EQ(afterRestart[0].data.hIcon, day);
    EXPECT_STREQ(afterRestart[0].data.szTip, L"Tempovista\n07/12/2026");
  }
}

TEST_F(MainDlgTest, StoredListsAreLoadedQuietlyBeforeTheFirstPageInitialises) {
  char dir[MAX_PATH] = {};
  GetTempPathA(sizeof dir, dir);
  const std::string base = std::string(dir) + "tv_maindlg_";
  auto write = [](const std::string& path, const char* text) {
    FILE* file = fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    fputs(text, file);
    fclose(file);
  };
  write(base + "h.tvh", "!Version: 1.0\r\nNew Year|2003/01/01\r\nMay Day|2003/05/01\r\n");
  write(base + "c.tvc", "!Version: 1.0\r\nLaunch|2003/02/01 12:00:00\r\n");
  DeleteFileA((base + "missing.tve").c_str());
  m_settings.SetText(setting::kHolidayFile, base + "h.tvh");
  m_settings.SetText(setting::kEventFile, base + "missing.tve");
  m_settings.SetText(setting::kCounterFile, base + "c.tvc");
  for (const char* cache : {setting::kHolidayCacheFile, setting::kEventCacheFile, setting::kCounterCacheFile}) {
    m_settings.SetText(cache, base + cache);
  }
  size_t sizes[3] = {};
  Run({[&] {
    sizes[0] = m_dlg->m_holidays.size();
    sizes[1] = m_dlg->m_events.size();
    sizes[2] = m_dlg->m_counters.size();
    return true;
  }});
  EXPECT_EQ(listSizesAtInit[0], 2u);
  EXPECT_EQ(listSizesAtInit[1], 0u) << "a list that cannot be read stays empty";
  EXPECT_EQ(listSizesAtInit[2], 1u);
  EXPECT_EQ(sizes[0], 2u);
  EXPECT_TRUE(boxes.empty()) << "loaded quietly";
  EXPECT_EQ(m_settings.GetText(setting::kEventFile), base + "missing.tve") << "the location is not stored again";
  for (const char* name : {"h.tvh", "c.tvc", setting::kHolidayCacheFile, setting::kEventCacheFile, setting::kCounterCacheFile}) {
    DeleteFileA((base + name).c_str());
  }
}

// ModifyTrayIcon needs no window to compose the record; a window never run
// has no icon, so nothing goes to the shell.
struct TipCase {
  bool modernOs;
  std::string date;
  std::string tip;
};

TEST(MainDlgTrayIcon, ModifyComposesTheTooltipAndCutsItSafely) {
  const std::string longDate(80, '7');
  // The wide record holds 63 characters, whatever their bytes: Greek takes
  // two, Japanese three.
  std::string greek, japanese;
  for (int i = 0; i < 40; ++i) greek += "\xCE\xB1", japanese += "\xE6\x97\xA5";
  const TipCase cases[] = {
      {true, "07/12/2026", "Tempovista\n07/12/2026"},
      {false, "07/12/2026", "07/12/2026"},
      {true, longDate, ("Tempovista\n" + longDate).substr(0, 63)},
      {false, std::string(63, 'x'), std::string(63, 'x')},
      {false, std::string(64, 'x'), std::string(63, 'x')},
      {true, "", "Tempovista\n"},
      {false, greek + japanese, greek + japanese.substr(0, 23 * 3)},
  };
  for (const TipCase& c : cases) {
    SCOPED_TRACE(c.tip);
    int calls = 0;
    SetShellNotifyHook([&](DWORD, const NOTIFYICONDATAW&) { return ++calls, TRUE; });
    {
      CMainDlg dlg;
      dlg.m_bModernOs = c.modernOs;
      dlg.ModifyTrayIcon(c.date, kSeventh);
      EXPECT_EQ(dlg.m_nid.hIcon, SeventhIcon());
      EXPECT_EQ(FieldText(dlg.m_nid.szTip, 64), c.tip);
    }
    EXPECT_EQ(calls, 0) << "no icon to update or remove";
    SetShellNotifyHook(nullptr);
  }
}

TEST_F(MainDlgTest, RefusedUpdateIsTriedFiveTimes) {
  Run({[&] {
    failShell = 5;
    m_dlg->ModifyTrayIcon("date", COleDateTime::GetCurrentTime());
    return true;
  }});
  EXPECT_EQ(Count(NIM_MODIFY), 5);
}

}  // namespace
}  // namespace maindlg
