#pragma once
// A real property sheet run modally in the test process, driven by a script
// of steps played one per tick inside the modal run (support/StepRunner_win.h),
// as a user's actions would arrive.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/CPropertySheet.h"
#include "resource.h"
#include "support/StepRunner_win.h"

namespace sheetscript {

constexpr int kEditId = 4001;
constexpr int kCheckId = 4002;
constexpr int kButtonId = 4003;

// A page on one of the program's templates, with controls of its own made
// at initialisation (the templates belong to the pages being built).
class ProbePage : public CPropertyPage {
 public:
  ProbePage(UINT templateId, std::string name, std::vector<std::string>& log)
      : CPropertyPage(templateId), m_name(std::move(name)), m_log(log) {}

  std::string m_strText;
  BOOL m_bCheck = FALSE;
  std::string m_textAfterInit;  // the page's own touch after the first write
  int m_nClicks = 0;
  bool m_bThrowOnClick = false;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Text(pDX, kEditId, m_strText);
    DDX_Check(pDX, kCheckId, m_bCheck);
  }
  BOOL OnInitDialog() override {
    m_log.push_back(m_name + ":init");
    Make("EDIT", kEditId, WS_BORDER | ES_AUTOHSCROLL, 10);
    Make("BUTTON", kCheckId, BS_AUTOCHECKBOX, 40);
    Make("BUTTON", kButtonId, BS_PUSHBUTTON, 70);
    BOOL result = CPropertyPage::OnInitDialog();
    if (!m_textAfterInit.empty()) SetDlgItemText(kEditId, m_textAfterInit);
    return result;
  }
  BOOL OnSetActive() override {
    m_log.push_back(m_name + ":setactive");
    return CPropertyPage::OnSetActive();
  }
  BOOL OnKillActive() override {
    m_log.push_back(m_name + ":killactive");
    return CPropertyPage::OnKillActive();
  }
  bool OnCommand(WORD id, WORD code, HWND) override {
    if (id != kButtonId || code != BN_CLICKED) return false;
    if (m_bThrowOnClick) throw std::runtime_error("handler failed");
    ++m_nClicks;
    return true;
  }

 private:
  void Make(const char* cls, int id, DWORD style, int top) {
    CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 10, top, 120, 22, m_hWnd,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  }
  std::string m_name;
  std::vector<std::string>& m_log;
};

class ScriptedSheet : public CPropertySheet {
 public:
  using Step = std::function<void(ScriptedSheet&)>;
  // Answers a message in place of comctl32 when it returns true.
  using Intercept = std::function<bool(UINT, WPARAM, LPARAM, LRESULT&)>;

  explicit ScriptedSheet(std::vector<std::string>& log) : CPropertySheet("Framework test", nullptr, 0), m_log(log) {}

  std::vector<Step> m_steps;
  Intercept m_intercept;
  bool m_bVisibleAtInit = true;

  HWND Page(int index) const { return GetPage(index)->GetSafeHwnd(); }
  using CPropertySheet::Default;

 protected:
  void OnPreCreate() override { m_log.push_back("sheet:precreate"); }
  BOOL OnInitDialog() override {
    m_log.push_back("sheet:init");
    m_bVisibleAtInit = IsWindowVisible(m_hWnd) != FALSE;
    Play();
    return CPropertySheet::OnInitDialog();
  }
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    LRESULT result = 0;
    if (m_intercept && m_intercept(msg, wParam, lParam, result)) return result;
    return Default(msg, wParam, lParam);
  }
  void OnDestroyWindow() override { m_log.push_back("sheet:destroy"); }

 private:
  // The steps, one per tick; when they are done, the sheet is closed, and a
  // sheet that will not close is destroyed so that a test never hangs.
  void Play() {
    std::vector<script::Step> steps;
    for (size_t i = 0; i < m_steps.size(); ++i) {
      steps.push_back([this, i] {
        m_steps[i](*this);
        return true;
      });
    }
    steps.push_back([this] {
      PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
      return true;
    });
    auto idleTicks = std::make_shared<int>(0);
    steps.push_back([this, idleTicks] {
      if (++*idleTicks > 20 && m_hWnd != nullptr) DestroyWindow(m_hWnd);
      return false;
    });
    m_runner = std::make_unique<script::StepRunner>(std::move(steps), 30);
  }
  std::vector<std::string>& m_log;
  std::unique_ptr<script::StepRunner> m_runner;
};

}  // namespace sheetscript
