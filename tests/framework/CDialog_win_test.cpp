// A modal dialog on one of the program's templates, driven inside its own
// modal run as a user's keys would arrive.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>
#include <string>

#include "framework/CDialog.h"
#include "resource.h"
#include "support/StepRunner_win.h"

namespace {

constexpr int kEditId = 4001;

// An edit of its own bound to a member; its handler throws at every change.
class ProbeDialog : public CDialog {
 public:
  ProbeDialog() : CDialog(IDD_READYMADE) {}
  std::string m_strText = "from member";

 protected:
  void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, kEditId, m_strText); }
  BOOL OnInitDialog() override {
    CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10, 120, 22, m_hWnd,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)), GetModuleHandleA(nullptr), nullptr);
    return CDialog::OnInitDialog();
  }
  bool OnCommand(WORD id, WORD code, HWND control) override {
    if (id == kEditId && code == EN_CHANGE) throw std::runtime_error("handler failed");
    return CDialog::OnCommand(id, code, control);
  }
};

TEST(DialogTest, EnterReadsTheControlsEscapeLeavesTheMembersAndNoThrowEndsTheRun) {
  const struct {
    WPARAM key;
    INT_PTR result;
    const char* member;
  } cases[] = {{VK_RETURN, IDOK, "typed"}, {VK_ESCAPE, IDCANCEL, "from member"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.member);
    ProbeDialog dlg;
    std::string written;
    script::StepRunner runner({[&] {
                                 if (dlg.GetSafeHwnd() == nullptr) return false;
                                 written = dlg.GetDlgItemText(kEditId);
                                 dlg.SetDlgItemText(kEditId, "typed");
                                 return true;
                               },
                               [&] { return PostMessageA(dlg.GetDlgItem(kEditId), WM_KEYDOWN, c.key, 0) != FALSE; }},
                              20);
    EXPECT_EQ(dlg.DoModal(nullptr), c.result);
    EXPECT_EQ(written, "from member");
    EXPECT_EQ(dlg.m_strText, c.member);
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
  }
}

}  // namespace
