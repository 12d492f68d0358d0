#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/CSubclassedWnd.h"
#include "framework/ScopedHandles.h"

// A static text control made a web-style link: underlined text in link
// colours, the highlight colour while the mouse is over it, a hand cursor
// where one can be had, a tooltip with the address, and a click opens the
// address with the shell. It is a tab stop: with the focus it shows a focus
// rectangle (unless the keyboard cues are hidden), and Enter or Space opens
// it as a click does. Screen readers find a link (CLinkAccessible). Its font
// follows its DPI. Bind it to the template's static with DDX_Control; the
// page procedure reflects the static's clicks and colour requests to it.
class CLinkAccessible;

class CLinkStatic : public CSubclassedWnd {
 public:
  CLinkStatic();
  ~CLinkStatic() override;

  // The address to open, also the tooltip's text. Never changes the visible
  // text, except that a link subclassed with an empty caption shows it.
  void SetLink(std::string link);
  void SetUnderlined(bool underline);
  void MarkVisited(bool visited);

  // Opens `link` with the shell, else with the open command of ".htm" files.
  // Answers the result code of the last attempt (above 32: opened).
  int OpenLink(const std::string& link, int showCommand);
  // The box that explains a failed open's result code.
  void ShowOpenError(int code) const;

  const std::string& GetLink() const { return m_strLink; }
  bool IsVisited() const { return m_bVisited != FALSE; }
  HWND GetToolTip() const { return m_tip; }

  COLORREF m_crLink;
  COLORREF m_crVisited;
  COLORREF m_crHover;

 protected:
  void PreSubclassWindow() override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  bool OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void OnDpiChanged(UINT oldDpi, UINT newDpi) override;

 private:
  void FitToText();
  void LoadLinkCursor();
  // Takes `from`, a font at the control's DPI, as the one to follow.
  void MakeFont(HFONT from);
  // The control's font: m_lf at its DPI, underlined or not.
  void ApplyFont();
  COLORREF TextColour() const;
  void DrawFocus();
  bool OnKeyDown(WPARAM key, LPARAM flags);
  LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
  void OnClicked();
  void OnMouseMove(LPARAM lParam);
  void EndHover();
  void Invalidate(bool now = false);
  TOOLINFOA ToolInfo() const;
  void DestroyOwned();

  BOOL m_bOver = FALSE;
  BOOL m_bVisited = FALSE;
  BOOL m_bUnderline = TRUE;
  BOOL m_bFitToText = TRUE;
  std::string m_strLink;
  ScopedFont m_font;
  LOGFONTA m_lf{};        // the font followed, as made at m_nFontDpi
  UINT m_nFontDpi = 0;
  ScopedCursor m_helpCursor;         // winhlp32.exe's hand, copied
  HCURSOR m_hLinkCursor = nullptr;  // that, else the system's shared hand
  HWND m_tip = nullptr;
  CLinkAccessible* m_accessible = nullptr;  // one reference, until the window goes
};
