// The link control on real static controls: its size after fitting to the
// text, hover and colours, and what a failed open runs and reports, with a
// ".htm" open command of the test's own in the Wine registry.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <cstring>
#include <string>
#include <vector>

#include "controls/CLinkStatic.h"
#include "framework/Prompt.h"
#include "support/LinkOpening_win.h"

namespace {

using links::CommandLog;
using links::HtmAssociation;
using links::kNoScheme;

class LinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_parent = CreateWindowExA(0, "STATIC", "links", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500, 300, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    SetMessageBoxHook([this](const MessageBoxCall& call) {
      boxes.push_back(call);
      return IDOK;
    });
  }
  void TearDown() override {
    SetMessageBoxHook(nullptr);
    DestroyWindow(m_parent);
  }

  // A static at (20, 30), 200 x 40, in the dialog font, subclassed.
  HWND Make(CLinkStatic& link, DWORD style, const char* text = "Check for updates") {
    HWND hwnd = CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | style, 20, 30, 200, 40, m_parent,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    EXPECT_TRUE(link.SubclassWindow(hwnd));
    return hwnd;
  }
  RECT InParent(HWND hwnd) const {
    RECT r{};
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, m_parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  // What the page does with its static's requests.
  COLORREF TextColour(HWND hwnd) {
    HDC dc = GetDC(hwnd);
    LRESULT brush = 0;
    EXPECT_TRUE(CSubclassedWnd::ReflectToChild(hwnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                               reinterpret_cast<LPARAM>(hwnd), &brush));
    EXPECT_EQ(brush, reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));
    const COLORREF colour = GetTextColor(dc);
    ReleaseDC(hwnd, dc);
    return colour;
  }
  void Click(HWND hwnd) {
    LRESULT result = 0;
    const WPARAM id = static_cast<WPARAM>(GetDlgCtrlID(hwnd));
    EXPECT_TRUE(CSubclassedWnd::ReflectToChild(hwnd, WM_COMMAND, MAKEWPARAM(id, STN_CLICKED),
                                               reinterpret_cast<LPARAM>(hwnd), &result));
  }
  std::vector<std::string> Logged() const { return m_log.Lines(); }

  HWND m_parent = nullptr;
  CommandLog m_log;
  std::vector<MessageBoxCall> boxes;
};

TEST_F(LinkTest, FitsItsTextKeepingTheEdgeOrCentreOfItsAlignment) {
  struct Case {
    DWORD style;
    const char* name;
  } cases[] = {{SS_LEFT, "left"},
               {SS_RIGHT, "right"},
               {SS_CENTER, "centre"},
               {SS_LEFT | SS_CENTERIMAGE, "left, centred vertically"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CLinkStatic link;
    HWND hwnd = Make(link, c.style);
    EXPECT_TRUE(GetWindowLongA(hwnd, GWL_STYLE) & SS_NOTIFY);
    const SIZE text = probe::TextExtent(hwnd, "Check for updates");

    const RECT r = InParent(hwnd);
    // Centring shrinks both sides by the same whole amount.
    EXPECT_EQ(r.right - r.left, (c.style & SS_CENTER) ? 200 - 2 * ((200 - text.cx) / 2) : text.cx);
    EXPECT_EQ(r.bottom - r.top, (c.style & SS_CENTERIMAGE) ? 40 - 2 * ((40 - text.cy) / 2) : text.cy);
    EXPECT_EQ(r.top, (c.style & SS_CENTERIMAGE) ? 30 + (40 - text.cy) / 2 : 30);
    if (c.style & SS_RIGHT) {
      EXPECT_EQ(r.right, 220);
    } else if (c.style & SS_CENTER) {
      EXPECT_EQ(r.left, 20 + (200 - text.cx) / 2);
    } else {
      EXPECT_EQ(r.left, 20);
    }
    DestroyWindow(hwnd);
  }
}

TEST_F(LinkTest, HoverTakesTheCaptureAndTheHighlightColourUntilTheMouseLeaves) {
  CLinkStatic link;
  HWND hwnd = Make(link, SS_LEFT);
  EXPECT_EQ(TextColour(hwnd), RGB(0, 0, 238));
  SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(GetCapture(), hwnd);
  EXPECT_EQ(TextColour(hwnd), link.m_crHover);
  SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(2, 300));
  EXPECT_NE(GetCapture(), hwnd);
  EXPECT_EQ(TextColour(hwnd), RGB(0, 0, 238));
  // Leaving straight onto another program's window shows only as a leave.
  SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  SendMessageA(hwnd, WM_MOUSELEAVE, 0, 0);
  EXPECT_NE(GetCapture(), hwnd);
  link.MarkVisited(true);
  EXPECT_EQ(TextColour(hwnd), RGB(85, 26, 139));
}

// Wine's winhlp32.exe, like any since Vista, has no hand cursor: the link
// shows the system's.
TEST_F(LinkTest, WithoutWinhlpsHandCursorTheSystemsHandShows) {
  char folder[MAX_PATH] = {};
  GetWindowsDirectoryA(folder, MAX_PATH);
  HMODULE help = LoadLibraryExA((std::string(folder) + "\\winhlp32.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  const bool hasHand = help != nullptr && FindResourceA(help, MAKEINTRESOURCEA(106), RT_GROUP_CURSOR) != nullptr;
  if (help != nullptr) FreeLibrary(help);
  if (hasHand) GTEST_SKIP() << "this system's winhlp32.exe has the hand cursor";

  CLinkStatic link;
  HWND hwnd = Make(link, SS_LEFT);
  SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  EXPECT_EQ(SendMessageA(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
            TRUE);
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_HAND));
}

TEST_F(LinkTest, UnopenableAddressRunsTheHtmCommandUpToItsQuotedPlaceholder) {
  const std::string logger = links::Logger();
  HtmAssociation htm("\"" + logger + "\" -opt \"%1\" -more");
  CLinkStatic link;
  EXPECT_GT(link.OpenLink(kNoScheme, SW_HIDE), 32);
  ASSERT_TRUE(probe::WaitUntil([&] { return !Logged().empty(); }, 10000));
  EXPECT_EQ(Logged().at(0), "\"" + logger + "\" -opt  " + kNoScheme);
}

// The command line is built in 520 bytes, its end included: 519 characters
// run, one more runs nothing, and the click reports the shell's failure.
TEST_F(LinkTest, CommandTooLongForItsBufferRunsNothingAndTheClickReportsTheShellsCode) {
  const std::string logger = links::Logger();
  const std::string command = "\"" + logger + "\" ";  // what stays of the open command
  HtmAssociation htm(command + "%1");
  const auto address = [&](size_t total) {
    return std::string(kNoScheme) + std::string(total - command.size() - 1 - strlen(kNoScheme), 'x');
  };
  CLinkStatic fits;
  EXPECT_GT(fits.OpenLink(address(519), SW_HIDE), 32);
  ASSERT_TRUE(probe::WaitUntil([&] { return !Logged().empty(); }, 10000));
  EXPECT_EQ(Logged().at(0).size(), 519u);

  CLinkStatic link;
  link.SetLink(address(520));
  HWND hwnd = Make(link, SS_LEFT);
  const int shell = static_cast<int>(reinterpret_cast<INT_PTR>(
      ShellExecuteA(nullptr, "open", address(520).c_str(), nullptr, nullptr, SW_HIDE)));
  ASSERT_LE(shell, 32);
  link.MarkVisited(true);
  Click(hwnd);
  EXPECT_FALSE(link.IsVisited());
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "controls_win_tests");
  EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_ICONEXCLAMATION | MB_OK));
  link.ShowOpenError(shell);
  EXPECT_EQ(boxes.at(1).text, boxes[0].text);
  Sleep(500);
  EXPECT_EQ(Logged().size(), 1u);
}

TEST_F(LinkTest, ResultCodesGiveTheirReasons) {
  const struct {
    int code;
    const char* text;
  } cases[] = {{26, "Unable to open hyperlink:\n\nA sharing violation occurred. "},
               {42, "Unable to open hyperlink:\n\nUnknown Error (42) occurred."}};
  CLinkStatic link;
  for (const auto& c : cases) {
    boxes.clear();
    link.ShowOpenError(c.code);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, c.text);
  }
}

}  // namespace
