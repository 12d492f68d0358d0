#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/CPropertyPage.h"
#include "framework/CSubclassedWnd.h"
#include "framework/CWnd.h"

// A modal property sheet over comctl32's. The sheet's own window is
// subclassed (an ANSI subclass, see CSubclassedWnd) the moment it is created,
// before comctl32 initialises it, so WindowProc sees WM_COMMAND,
// WM_SYSCOMMAND and private messages before the common control does. Note that WM_USER + 0x6A is PSM_REBOOTSYSTEM to
// comctl32: a private message must be answered by WindowProc, not passed on.
//
// Order of events in DoModal:
//   1. OnPreCreate: no window and no page exists yet.
//   2. comctl32 creates the sheet window and, within the sheet's own
//      WM_INITDIALOG, the start page: the page's WM_INITDIALOG (and its
//      first PSN_SETACTIVE) come before step 3.
//   3. OnInitDialog: the sheet and its start page exist, nothing is shown
//      yet. The other pages are created when first selected.
//   4. The modal run, until the sheet closes (WM_CLOSE, or a button press
//      that comctl32 lets through); OnDestroyWindow; DoModal returns.
// WM_DPICHANGED (per-monitor DPI) reaches OnDpiChanged, not WindowProc.
// Escape and the Cancel button arrive at WindowProc as WM_COMMAND IDCANCEL
// and Enter as WM_COMMAND of the default button (IDOK): answer them there to
// keep the run going. WM_CLOSE passed on to Default ends the run.
class CPropertySheet : public CWnd {
 public:
  CPropertySheet(const char* caption, HWND parent, UINT selectPage);
  ~CPropertySheet() override;

  // Pages are added before DoModal; the sheet does not own them.
  void AddPage(CPropertyPage* page);
  // Removes the page from the sheet (and from its window, while it runs).
  void RemovePage(int index);
  int GetPageCount() const { return static_cast<int>(m_pages.size()); }
  CPropertyPage* GetPage(int index) const { return m_pages.at(index); }
  // Selects a page by index: the start page before DoModal, else at once.
  bool SetActivePage(int index);
  // The index of the selected page (the start page before DoModal).
  int GetActiveIndex() const;

  // Creates the sheet and runs it until it closes. -1 when it could not be
  // created.
  INT_PTR DoModal();

 protected:
  // Before the sheet window exists (and before any page initialises).
  virtual void OnPreCreate() {}
  // When the sheet window exists and its first page is created; see above.
  virtual BOOL OnInitDialog();
  // The subclassed sheet's messages; Default passes them to comctl32.
  // WM_INITDIALOG does not come here (OnInitDialog does). An exception
  // thrown here is caught at the procedure's edge and the message answered
  // 0, so a half-handled command never falls through to comctl32's default.
  virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
  // Only meaningful inside WindowProc, for the message being handled.
  LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);
  // WM_DESTROY of the sheet window, before comctl32 sees it.
  virtual void OnDestroyWindow() {}
  // The sheet moved to a monitor of another DPI and took the size the
  // system suggested: every page is given the new DPI, also those not made
  // yet, which are then made at it. A sheet that sizes or draws anything
  // itself rescales it after calling this.
  void OnDpiChanged(UINT oldDpi, UINT newDpi) override;

 private:
  // The sheet window's subclass: hands its messages to the sheet.
  class CSheetWindow : public CSubclassedWnd {
   public:
    explicit CSheetWindow(CPropertySheet& sheet) : m_sheet(sheet) {}
    using CSubclassedWnd::Default;

   protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

   private:
    CPropertySheet& m_sheet;
  };

  static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);
  bool Attach(HWND hwnd);
  // WM_DPICHANGED, after the dialog manager's own rescaling.
  void TakeDpi(UINT dpi, const RECT* suggested);

  std::string m_caption;
  HWND m_parent;
  UINT m_startPage;
  std::vector<CPropertyPage*> m_pages;
  CSheetWindow m_window{*this};
};
