#include "controls/CLinkStatic.h"

#include <commctrl.h>
#include <oleacc.h>
#include <shellapi.h>

#include <climits>
#include <utility>

#include "base/NarrowText_win.h"
#include "controls/CLinkAccessible.h"
#include "controls/LinkOpen.h"
#include "framework/Dpi.h"
#include "framework/ExecutableName.h"
#include "framework/Prompt.h"
#include "framework/ResourceModule.h"

namespace {
constexpr UINT_PTR kToolId = 1;
constexpr WORD kHandCursorId = 106;  // in the Windows folder's winhlp32.exe

// A copy of the hand cursor of the Windows folder's winhlp32.exe; none when
// that has none.
ScopedCursor HelpHandCursor() {
  char folder[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  const std::string path = std::string(folder) + "\\winhlp32.exe";
  HMODULE module = LoadLibraryA(path.c_str());
  if (module == nullptr) return nullptr;
  HCURSOR cursor = LoadCursorA(module, MAKEINTRESOURCEA(kHandCursorId));
  ScopedCursor copy(cursor != nullptr ? CopyCursor(cursor) : nullptr);
  FreeLibrary(module);
  return copy;
}

int ShellCode(HINSTANCE result) {
  const INT_PTR code = reinterpret_cast<INT_PTR>(result);
  return code > INT_MAX ? INT_MAX : static_cast<int>(code);
}
}  // namespace

CLinkStatic::CLinkStatic()
    : m_crLink(RGB(0, 0, 238)), m_crVisited(RGB(85, 26, 139)), m_crHover(GetSysColor(COLOR_HIGHLIGHT)) {}

CLinkStatic::~CLinkStatic() { DestroyOwned(); }

// At the window's end: a page made again binds a fresh window.
void CLinkStatic::DestroyOwned() {
  m_bOver = FALSE;
  if (m_tip != nullptr) DestroyWindow(m_tip);
  m_tip = nullptr;
  m_font.reset();
  if (m_accessible != nullptr) {
    m_accessible->Disconnect();  // clients may still hold it
    m_accessible->Release();
    m_accessible = nullptr;
  }
}

TOOLINFOA CLinkStatic::ToolInfo() const {
  TOOLINFOA ti{};
  ti.cbSize = TTTOOLINFOA_V1_SIZE;
  ti.hwnd = m_hWnd;
  ti.uId = kToolId;
  ti.lpszText = const_cast<char*>(m_strLink.c_str());
  GetClientRect(m_hWnd, &ti.rect);
  return ti;
}

void CLinkStatic::SetLink(std::string link) {
  m_strLink = std::move(link);
  if (m_hWnd == nullptr) return;
  FitToText();
  if (m_tip != nullptr) {
    TOOLINFOA ti = ToolInfo();
    SendMessageA(m_tip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
  }
}

void CLinkStatic::SetUnderlined(bool underline) {
  m_bUnderline = underline ? TRUE : FALSE;
  if (m_hWnd == nullptr) return;
  MakeFont(reinterpret_cast<HFONT>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0)));
  Invalidate();
}

void CLinkStatic::MarkVisited(bool visited) {
  m_bVisited = visited ? TRUE : FALSE;
  if (m_hWnd != nullptr) Invalidate();
}

// `from` is the system font when there is none.
void CLinkStatic::MakeFont(HFONT from) {
  LOGFONTA lf{};
  if (GetObjectA(from != nullptr ? from : GetStockObject(SYSTEM_FONT), sizeof lf, &lf) == 0) return;
  m_lf = lf;
  m_nFontDpi = m_nDpi;
  ApplyFont();
}

void CLinkStatic::ApplyFont() {
  LOGFONTA lf = m_lf;
  lf.lfHeight = ScaleForDpi(m_lf.lfHeight, m_nDpi, m_nFontDpi);
  lf.lfWidth = ScaleForDpi(m_lf.lfWidth, m_nDpi, m_nFontDpi);
  lf.lfUnderline = static_cast<BYTE>(m_bUnderline ? TRUE : FALSE);
  HFONT font = CreateFontIndirectA(&lf);
  if (font == nullptr) return;
  SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  m_font.reset(font);
}

// The dialog manager would give the control the dialog's plain font: the
// control keeps its own, scaled from the one it was made with.
void CLinkStatic::OnDpiChanged(UINT, UINT) {
  ApplyFont();
  FitToText();
  if (m_tip != nullptr) {
    TOOLINFOA ti = ToolInfo();
    SendMessageA(m_tip, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&ti));
  }
  Invalidate();
}

// Repaints the control with the dialog's background under it, so that an
// underline taken away or a colour changed leaves nothing behind; `now`
// paints before returning.
void CLinkStatic::Invalidate(bool now) {
  HWND parent = GetParent(m_hWnd);
  RECT r{};
  GetWindowRect(m_hWnd, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  RedrawWindow(parent, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | (now ? RDW_UPDATENOW : 0));
}

void CLinkStatic::PreSubclassWindow() {
  SetWindowLongA(m_hWnd, GWL_STYLE, GetWindowLongA(m_hWnd, GWL_STYLE) | SS_NOTIFY | WS_TABSTOP);
  KeepOwnFontOnDpiChange(m_hWnd);
  const std::string text = GetWindowText();
  if (m_strLink.empty()) m_strLink = text;
  if (text.empty()) SetWindowTextA(m_hWnd, m_strLink.c_str());
  MakeFont(reinterpret_cast<HFONT>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0)));
  FitToText();
  LoadLinkCursor();
  if (m_tip == nullptr) {
    m_tip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, 0, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, m_hWnd, nullptr, ResourceModule(), nullptr);
  }
  if (m_tip != nullptr) {
    TOOLINFOA ti = ToolInfo();
    SendMessageA(m_tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
  }
}

void CLinkStatic::FitToText() {
  if (m_hWnd == nullptr || !m_bFitToText) return;
  RECT r{};
  GetWindowRect(m_hWnd, &r);
  MapWindowPoints(nullptr, GetParent(m_hWnd), reinterpret_cast<POINT*>(&r), 2);

  // GDI's 8-bit calls read the system's code page, not the program's.
  const std::wstring text = WideText(GetWindowText());
  SIZE size{};
  HDC dc = GetDC(m_hWnd);
  HGDIOBJ old = SelectObject(dc, m_font ? m_font.get() : GetStockObject(SYSTEM_FONT));
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(m_hWnd, dc);

  const LONG style = GetWindowLongA(m_hWnd, GWL_STYLE);
  if (style & SS_CENTERIMAGE) {
    const LONG dy = (r.bottom - r.top - size.cy) / 2;
    r.top += dy;
    r.bottom -= dy;
  } else {
    r.bottom = r.top + size.cy;
  }
  // SS_CENTER and SS_RIGHT are values of the type field, not single bits.
  const LONG type = style & SS_TYPEMASK;
  if (type == SS_CENTER) {
    const LONG dx = (r.right - r.left - size.cx) / 2;
    r.left += dx;
    r.right -= dx;
  } else if (type == SS_RIGHT) {
    r.left = r.right - size.cx;
  } else {
    r.right = r.left + size.cx;
  }
  SetWindowPos(m_hWnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CLinkStatic::LoadLinkCursor() {
  if (m_hLinkCursor != nullptr) return;
  m_helpCursor = HelpHandCursor();
  // No winhlp32.exe since Vista has the hand; those systems have their own.
  m_hLinkCursor = m_helpCursor ? m_helpCursor.get() : LoadCursorA(nullptr, IDC_HAND);
}

int CLinkStatic::OpenLink(const std::string& link, int showCommand) {
  const int shell = ShellCode(ShellExecuteA(nullptr, "open", link.c_str(), nullptr, nullptr, showCommand));
  if (shell > 32) return shell;
  std::string command;
  if (!HtmOpenCommand(link, command)) return shell;
  return static_cast<int>(WinExec(command.c_str(), static_cast<UINT>(showCommand)));
}

void CLinkStatic::ShowOpenError(int code) const {
  ShowMessageBox(m_hWnd != nullptr ? GetParent(m_hWnd) : nullptr,
                 "Unable to open hyperlink:\n\n" + OpenErrorText(code), ExecutableName(), MB_ICONEXCLAMATION | MB_OK);
}

void CLinkStatic::OnClicked() {
  const int result = OpenLink(m_strLink, SW_SHOW);
  m_bVisited = result > 32 ? TRUE : FALSE;
  if (result > 32) {
    MarkVisited(true);
  } else {
    MessageBeep(MB_ICONEXCLAMATION);
    ShowOpenError(result);
  }
}

bool CLinkStatic::OnChildNotify(UINT msg, WPARAM wParam, LPARAM, LRESULT* result) {
  if (msg == WM_COMMAND && HIWORD(wParam) == STN_CLICKED) {
    OnClicked();
    *result = 0;
    return true;
  }
  if (msg == WM_CTLCOLORSTATIC) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, TextColour());
    SetBkMode(dc, TRANSPARENT);
    // The dialog's background shows through.
    *result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    return true;
  }
  return false;
}

COLORREF CLinkStatic::TextColour() const { return m_bOver ? m_crHover : m_bVisited ? m_crVisited : m_crLink; }

// Dotted in the text's colour, around the text; drawn over, not inverted,
// so that painting twice leaves the same picture.
void CLinkStatic::DrawFocus() {
  if (GetFocus() != m_hWnd) return;
  if (SendMessageA(m_hWnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) return;  // keyboard cues hidden
  RECT r{};
  GetClientRect(m_hWnd, &r);
  HDC dc = GetDC(m_hWnd);
  const LOGBRUSH colour{BS_SOLID, TextColour(), 0};
  ScopedPen pen(ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &colour, 0, nullptr));
  HGDIOBJ oldPen = SelectObject(dc, pen.get());
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, r.left, r.top, r.right, r.bottom);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  ReleaseDC(m_hWnd, dc);
}

// Enter and Space open the link as a click does; a key held down opens it
// once.
bool CLinkStatic::OnKeyDown(WPARAM key, LPARAM flags) {
  const bool repeat = (flags & 0x40000000) != 0;
  if (key != VK_RETURN && key != VK_SPACE) return false;
  if (!repeat) OnClicked();
  return true;
}

LRESULT CLinkStatic::OnGetObject(WPARAM wParam, LPARAM lParam) {
  if (static_cast<LONG>(lParam) == OBJID_CLIENT) {
    if (m_accessible == nullptr) m_accessible = CLinkAccessible::Create(*this);
    if (m_accessible != nullptr)
      return LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(m_accessible));
  }
  return Default(WM_GETOBJECT, wParam, lParam);
}

void CLinkStatic::OnMouseMove(LPARAM lParam) {
  if (m_bOver) {
    POINT pt{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    RECT client{};
    GetClientRect(m_hWnd, &client);
    if (!PtInRect(&client, pt)) EndHover();
  } else {
    m_bOver = TRUE;
    Invalidate(true);
    SetCapture(m_hWnd);
    // The capture sees no moves over other programs' windows: a quick move
    // out of the window would otherwise leave the link lit.
    TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, m_hWnd, 0};
    TrackMouseEvent(&leave);
  }
}

void CLinkStatic::EndHover() {
  if (!m_bOver) return;
  m_bOver = FALSE;  // before the release, which reports the capture's loss
  if (GetCapture() == m_hWnd) ReleaseCapture();
  Invalidate(true);
}

LRESULT CLinkStatic::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (m_tip != nullptr && msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) {
    MSG relay{m_hWnd, msg, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
    relay.pt.x = static_cast<short>(LOWORD(lParam));
    relay.pt.y = static_cast<short>(HIWORD(lParam));
    ClientToScreen(m_hWnd, &relay.pt);
    SendMessageA(m_tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relay));
  }
  switch (msg) {
    case WM_MOUSEMOVE: {
      const LRESULT result = Default(msg, wParam, lParam);
      OnMouseMove(lParam);
      return result;
    }
    case WM_SETCURSOR:
      // Without any hand the cursor stays as it is: the static's own
      // handling would set the arrow.
      if (m_hLinkCursor == nullptr) return FALSE;
      SetCursor(m_hLinkCursor);
      return TRUE;
    case WM_GETDLGCODE: {
      // Enter is the link's, not the dialog's default button's.
      const auto* key = reinterpret_cast<const MSG*>(lParam);
      const LRESULT code = Default(msg, wParam, lParam);
      const bool enter = key != nullptr && key->message == WM_KEYDOWN && key->wParam == VK_RETURN;
      return enter ? code | DLGC_WANTMESSAGE : code;
    }
    case WM_KEYDOWN:
      if (OnKeyDown(wParam, lParam)) return 0;
      break;
    case WM_PAINT: {
      const LRESULT result = Default(msg, wParam, lParam);
      DrawFocus();
      return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE: {
      const LRESULT result = Default(msg, wParam, lParam);
      Invalidate();
      return result;
    }
    case WM_GETOBJECT:
      return OnGetObject(wParam, lParam);
    case WM_CAPTURECHANGED:
      // The capture taken by something else (a message box, a window
      // switch): the move that leaves the control will not be seen.
    case WM_MOUSELEAVE:
      EndHover();
      break;
    case WM_DESTROY:
      DestroyOwned();
      break;
    default:
      break;
  }
  return Default(msg, wParam, lParam);
}
