#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/CPropertyPage.h"
#include "framework/CWnd.h"

// A modal property sheet over comctl32's. The sheet's own window is
// subclassed as soon as it exists, so WindowProc sees WM_COMMAND,
// WM_SYSCOMMAND and private messages before the common control does.
class CPropertySheet : public CWnd {
 public:
  CPropertySheet(const char* caption, HWND parent, UINT selectPage);
  ~CPropertySheet() override;

  void AddPage(CPropertyPage* page);
  void RemovePage(int index);
  int GetPageCount() const { return static_cast<int>(m_pages.size()); }
  CPropertyPage* GetPage(int index) const { return m_pages.at(index); }
  bool SetActivePage(int index);

  // Creates the sheet and runs it until it closes.
  INT_PTR DoModal();

 protected:
  // Before the sheet window exists (and before any page initialises).
  virtual void OnPreCreate() {}
  // When the sheet window exists and its first page is created.
  virtual BOOL OnInitDialog();
  // The subclassed sheet's messages; Default passes them to comctl32.
  virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);
  virtual void OnDestroyWindow() {}

 private:
  static int CALLBACK SheetCallback(HWND, UINT, LPARAM);
  static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM);

  std::string m_caption;
  HWND m_parent;
  UINT m_startPage;
  std::vector<CPropertyPage*> m_pages;
  WNDPROC m_oldProc = nullptr;
};
