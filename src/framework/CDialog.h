#pragma once
#include <windows.h>

#include "framework/CDataExchange.h"
#include "framework/CWnd.h"

// A dialog made from a template: run modally with DoModal, or as the page
// of a sheet (CPropertyPage). One dialog procedure serves both: it finds the
// object at WM_INITDIALOG, hands each message to a virtual hook below, puts
// each answer where the dialog manager expects it, and lets no exception
// cross it (a throwing hook counts as not handled). m_hWnd is set from
// WM_INITDIALOG until the window is destroyed.
class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId) : m_templateId(templateId) {}
  ~CDialog() override = default;

  // Runs the dialog over `owner` until EndDialog; answers EndDialog's result,
  // -1 when the dialog could not be made.
  INT_PTR DoModal(HWND owner);

  // Runs DoDataExchange: true reads controls into members, false writes
  // members into controls. False when the dialog has no window.
  bool UpdateData(bool saveAndValidate);

 protected:
  UINT TemplateId() const { return m_templateId; }
  // Ends a modal run with `result`, which DoModal answers.
  void EndDialog(INT_PTR result) const { ::EndDialog(m_hWnd, result); }

  virtual void DoDataExchange(CDataExchange* /*pDX*/) {}
  virtual BOOL OnInitDialog();  // writes controls; true lets the dialog manager set focus
  // WM_COMMAND; true when handled. OK (or Enter) goes to OnOK, Cancel (or
  // Escape) to OnCancel.
  virtual bool OnCommand(WORD id, WORD code, HWND control);
  virtual void OnOK();      // reads controls and ends the run with IDOK
  virtual void OnCancel();  // ends the run with IDCANCEL
  // WM_NOTIFY; set *result and answer true when handled.
  virtual bool OnNotify(int id, NMHDR* header, LRESULT* result);
  // Any other message; set handled to answer it with the returned value.
  virtual INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
  virtual void OnDestroy() {}
  // The dialog's DPI changed: its subclassed controls are given the new one
  // and its lists' columns rescaled. A dialog that sizes or draws anything
  // else itself rescales it after calling this.
  void OnDpiChanged(UINT oldDpi, UINT newDpi) override;
  // The window is gone and m_hWnd cleared; must not throw.
  virtual void PostNcDestroy() {}

  // The procedure every dialog and page runs on; `lParam` of WM_INITDIALOG
  // is the object.
  static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM);

 private:
  // Where WM_NOTIFY goes first; a page answers its sheet's own there.
  virtual bool DispatchNotify(NMHDR* header, LRESULT* result);
  INT_PTR Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);

  UINT m_templateId;
};
