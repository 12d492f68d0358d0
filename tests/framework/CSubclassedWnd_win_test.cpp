// Subclassing a real control with a C++ object.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cctype>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/CSubclassedWnd.h"

namespace {

// Turns the text set on an edit to upper case, swallows WM_CHAR 'x' and
// throws on WM_CHAR '!'.
struct UpperEdit : CSubclassedWnd {
  std::vector<UINT> seen;
  HWND hwndAtPreSubclass = nullptr;
  void PreSubclassWindow() override { hwndAtPreSubclass = m_hWnd; }
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    seen.push_back(msg);
    if (msg == WM_SETTEXT) {
      std::string text = reinterpret_cast<const char*>(lParam);
      for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      return Default(msg, wParam, reinterpret_cast<LPARAM>(text.c_str()));
    }
    if (msg == WM_CHAR && wParam == 'x') return 0;
    if (msg == WM_CHAR && wParam == '!') throw std::runtime_error("handler failed");
    return Default(msg, wParam, lParam);
  }
};

std::string TextOf(HWND hwnd) {
  char text[64] = {};
  GetWindowTextA(hwnd, text, sizeof(text));
  return text;
}

LRESULT CALLBACK OuterSubclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  if (msg == WM_SETTEXT) ++*reinterpret_cast<int*>(data);
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

struct Subclassing : ::testing::Test {
  HWND parent = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
  HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | ES_AUTOHSCROLL, 0, 0, 200, 20, parent,
                              reinterpret_cast<HMENU>(7), nullptr, nullptr);
  ~Subclassing() override { DestroyWindow(parent); }
};

TEST_F(Subclassing, ObjectSeesMessagesFirstAndPassesThemOn) {
  UpperEdit upper;
  ASSERT_TRUE(upper.SubclassDlgItem(7, parent));
  EXPECT_EQ(upper.hwndAtPreSubclass, edit);
  EXPECT_FALSE(upper.SubclassWindow(edit));  // one window per object

  SetWindowTextA(edit, "abc");
  EXPECT_EQ(TextOf(edit), "ABC");
  SetWindowTextA(edit, "");
  for (char c : std::string("axb!c")) SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(c), 0);
  // 'x' swallowed; '!' threw inside the handler and the edit got it anyway.
  EXPECT_EQ(TextOf(edit), "ab!c");

  upper.UnsubclassWindow();
  EXPECT_EQ(upper.GetSafeHwnd(), nullptr);
  SetWindowTextA(edit, "abc");
  EXPECT_EQ(TextOf(edit), "abc");
  EXPECT_FALSE(upper.SubclassDlgItem(99, parent));  // no such control
}

// A test's own subclass (as the calendar tests install) and ours come and go
// in either order without breaking the chain; ours can come back after being
// taken out from under the other.
TEST_F(Subclassing, CoexistsWithAnotherSubclassInAnyOrder) {
  for (bool oursFirst : {true, false}) {
    SCOPED_TRACE(oursFirst);
    int outerCount = 0;
    UpperEdit upper;
    if (oursFirst) upper.SubclassWindow(edit);
    SetWindowSubclass(edit, OuterSubclass, 1, reinterpret_cast<DWORD_PTR>(&outerCount));
    if (!oursFirst) upper.SubclassWindow(edit);
    SetWindowTextA(edit, "both");
    EXPECT_EQ(TextOf(edit), "BOTH");
    upper.UnsubclassWindow();
    SetWindowTextA(edit, "mixed");
    EXPECT_EQ(TextOf(edit), "mixed");
    UpperEdit again;
    EXPECT_TRUE(again.SubclassWindow(edit));
    SetWindowTextA(edit, "again");
    EXPECT_EQ(TextOf(edit), "AGAIN");
    again.UnsubclassWindow();
    EXPECT_EQ(outerCount, 3);
    RemoveWindowSubclass(edit, OuterSubclass, 1);
    SetWindowTextA(edit, "plain");
    EXPECT_EQ(TextOf(edit), "plain");
  }
}

TEST_F(Subclassing, DestroyedControlReleasesTheObject) {
  auto* upper = new UpperEdit;
  upper->SubclassWindow(edit);
  DestroyWindow(edit);
  EXPECT_EQ(upper->GetSafeHwnd(), nullptr);
  EXPECT_EQ(upper->seen.back(), static_cast<UINT>(WM_DESTROY));
  delete upper;  // nothing left to unsubclass
}

}  // namespace
