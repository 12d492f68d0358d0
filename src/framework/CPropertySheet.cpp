#include "framework/CPropertySheet.h"

#include "framework/Dpi.h"
#include "framework/ResourceModule.h"

namespace {
// The sheet being created by DoModal and the hook that catches its window.
// The program has one user-interface thread.
CPropertySheet* g_pCreating = nullptr;
HHOOK g_creationHook = nullptr;

bool IsDialogClass(HWND hwnd) {
  char name[16] = {};
  return GetClassNameA(hwnd, name, sizeof(name)) > 0 && lstrcmpA(name, "#32770") == 0;
}
}  // namespace

CPropertySheet::CPropertySheet(const char* caption, HWND parent, UINT selectPage)
    : m_caption(caption != nullptr ? caption : ""), m_parent(parent), m_startPage(selectPage) {}

CPropertySheet::~CPropertySheet() = default;

void CPropertySheet::AddPage(CPropertyPage* page) {
  if (page != nullptr) m_pages.push_back(page);
}

void CPropertySheet::RemovePage(int index) {
  if (index < 0 || index >= GetPageCount()) return;
  if (m_hWnd != nullptr) SendMessageA(m_hWnd, PSM_REMOVEPAGE, static_cast<WPARAM>(index), 0);
  m_pages.erase(m_pages.begin() + index);
  if (m_startPage > 0 && static_cast<int>(m_startPage) >= GetPageCount()) m_startPage = 0;
}

bool CPropertySheet::SetActivePage(int index) {
  if (index < 0 || index >= GetPageCount()) return false;
  if (m_hWnd == nullptr) {
    m_startPage = static_cast<UINT>(index);
    return true;
  }
  return SendMessageA(m_hWnd, PSM_SETCURSEL, static_cast<WPARAM>(index), 0) != 0;
}

int CPropertySheet::GetActiveIndex() const {
  if (m_hWnd == nullptr) return static_cast<int>(m_startPage);
  HWND page = reinterpret_cast<HWND>(SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0));
  return static_cast<int>(SendMessageA(m_hWnd, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page), 0));
}

INT_PTR CPropertySheet::DoModal() {
  if (m_hWnd != nullptr || g_pCreating != nullptr) return -1;  // already running
  OnPreCreate();

  // comctl32 copies the page records; the vector only has to outlive the call.
  std::vector<PROPSHEETPAGEA> pages;
  pages.reserve(m_pages.size());
  for (CPropertyPage* page : m_pages) {
    page->SetDpi(0);  // not the last run's: each page takes its monitor's as it is made
    pages.push_back(*page->GetPSP());
  }

  PROPSHEETHEADERA header{};
  header.dwSize = sizeof(header);
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOCONTEXTHELP;
  header.hwndParent = m_parent;
  header.hInstance = ResourceModule();
  header.pszCaption = m_caption.c_str();
  header.nPages = static_cast<UINT>(pages.size());
  header.nStartPage = m_startPage < pages.size() ? m_startPage : 0;
  header.ppsp = pages.data();

  // PSCB_INITIALIZED would come in the middle of comctl32's WM_INITDIALOG,
  // too late to see that message: catch the window as it is created instead.
  g_pCreating = this;
  g_creationHook = SetWindowsHookExA(WH_CBT, CreationHook, nullptr, GetCurrentThreadId());
  INT_PTR result = g_creationHook != nullptr ? PropertySheetA(&header) : -1;
  if (g_creationHook != nullptr) UnhookWindowsHookEx(g_creationHook);
  g_creationHook = nullptr;
  g_pCreating = nullptr;
  return result;
}

BOOL CPropertySheet::OnInitDialog() { return TRUE; }

void CPropertySheet::OnDpiChanged(UINT, UINT newDpi) {
  for (CPropertyPage* page : m_pages) page->SetDpi(newDpi);
}

void CPropertySheet::TakeDpi(UINT dpi, const RECT* suggested) {
  if (suggested != nullptr) {
    SetWindowPos(m_hWnd, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SetDpi(dpi);
}

LRESULT CPropertySheet::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  return Default(msg, wParam, lParam);
}

LRESULT CPropertySheet::Default(UINT msg, WPARAM wParam, LPARAM lParam) {
  return m_window.Default(msg, wParam, lParam);
}

LRESULT CALLBACK CPropertySheet::CreationHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && g_pCreating != nullptr) {
    HWND hwnd = reinterpret_cast<HWND>(wParam);
    const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
    // The sheet is the first top-level dialog made; pages are its children.
    if ((create->style & WS_CHILD) == 0 && IsDialogClass(hwnd)) {
      CPropertySheet* sheet = g_pCreating;
      g_pCreating = nullptr;
      sheet->Attach(hwnd);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool CPropertySheet::Attach(HWND hwnd) {
  if (!m_window.SubclassWindow(hwnd)) return false;
  m_hWnd = hwnd;
  return true;
}

LRESULT CPropertySheet::CSheetWindow::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG: {
      m_sheet.m_nDpi = WindowDpi(m_hWnd);
      LRESULT result = Default(msg, wParam, lParam);  // comctl32 builds the sheet
      try {
        if (!m_sheet.OnInitDialog()) result = FALSE;
      } catch (...) {
      }
      return result;
    }
    case WM_DPICHANGED: {
      // The dialog manager rescales the sheet's own controls and fonts
      // (Windows 10 on); what the program sized or drew follows here.
      Default(msg, wParam, lParam);
      try {
        m_sheet.TakeDpi(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      } catch (...) {
      }
      return 0;
    }
    case WM_DESTROY:
      try {
        m_sheet.OnDestroyWindow();
      } catch (...) {
      }
      return Default(msg, wParam, lParam);
    default:
      try {
        return m_sheet.WindowProc(msg, wParam, lParam);
      } catch (...) {
        return 0;
      }
  }
}

void CPropertySheet::CSheetWindow::PostNcDestroy() {
  m_sheet.m_hWnd = nullptr;
  m_sheet.m_nDpi = 0;
}
