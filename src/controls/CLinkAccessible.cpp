#include "controls/CLinkAccessible.h"

#include <string>

#include "base/NarrowText_win.h"
#include "controls/CLinkStatic.h"

namespace {
// A BSTR of the program's 8-bit text; nullptr when out of memory.
BSTR TextBstr(const std::string& text) {
  const std::wstring wide = WideText(text);
  return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

HRESULT AnswerText(const std::string& text, BSTR* out) {
  if (out == nullptr) return E_INVALIDARG;
  *out = TextBstr(text);
  return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}
}  // namespace

CLinkAccessible* CLinkAccessible::Create(const CLinkStatic& link) {
  IAccessible* standard = nullptr;
  if (FAILED(CreateStdAccessibleObject(link.GetSafeHwnd(), OBJID_CLIENT, __uuidof(IAccessible),
                                       reinterpret_cast<void**>(&standard))) ||
      standard == nullptr) {
    return nullptr;
  }
  return new CLinkAccessible(link, standard);
}

CLinkAccessible::CLinkAccessible(const CLinkStatic& link, IAccessible* standard) : m_link(&link), m_std(standard) {}

CLinkAccessible::~CLinkAccessible() { m_std->Release(); }

void CLinkAccessible::Disconnect() { m_link = nullptr; }

bool CLinkAccessible::IsLink(const VARIANT& child) const {
  return m_link != nullptr && child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

HRESULT CLinkAccessible::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) || riid == __uuidof(IAccessible)) {
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  if (riid == __uuidof(IOleWindow)) {
    *object = static_cast<IOleWindow*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG CLinkAccessible::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&m_refs)); }

ULONG CLinkAccessible::Release() {
  const LONG refs = InterlockedDecrement(&m_refs);
  if (refs == 0) delete this;
  return static_cast<ULONG>(refs);
}

HRESULT CLinkAccessible::get_accName(VARIANT child, BSTR* name) {
  if (!IsLink(child)) return m_std->get_accName(child, name);
  return AnswerText(m_link->GetWindowText(), name);
}

HRESULT CLinkAccessible::get_accValue(VARIANT child, BSTR* value) {
  if (!IsLink(child)) return m_std->get_accValue(child, value);
  return AnswerText(m_link->GetLink(), value);
}

HRESULT CLinkAccessible::get_accRole(VARIANT child, VARIANT* role) {
  if (!IsLink(child)) return m_std->get_accRole(child, role);
  if (role == nullptr) return E_INVALIDARG;
  role->vt = VT_I4;
  role->lVal = ROLE_SYSTEM_LINK;
  return S_OK;
}

HRESULT CLinkAccessible::get_accState(VARIANT child, VARIANT* state) {
  const HRESULT hr = m_std->get_accState(child, state);
  if (SUCCEEDED(hr) && IsLink(child) && state->vt == VT_I4) {
    state->lVal |= STATE_SYSTEM_LINKED | STATE_SYSTEM_FOCUSABLE;
  }
  return hr;
}

HRESULT CLinkAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
  if (!IsLink(child)) return m_std->get_accDefaultAction(child, action);
  return AnswerText("Jump", action);
}

// Posted, as the static's own click is: the open may show a message box,
// which must not run inside the client's call.
HRESULT CLinkAccessible::accDoDefaultAction(VARIANT child) {
  if (!IsLink(child)) return m_std->accDoDefaultAction(child);
  HWND hwnd = m_link->GetSafeHwnd();
  const WPARAM click = MAKEWPARAM(GetDlgCtrlID(hwnd), STN_CLICKED);
  return PostMessageA(GetParent(hwnd), WM_COMMAND, click, reinterpret_cast<LPARAM>(hwnd)) ? S_OK : E_FAIL;
}

HRESULT CLinkAccessible::GetTypeInfoCount(UINT* count) { return m_std->GetTypeInfoCount(count); }

HRESULT CLinkAccessible::GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) {
  return m_std->GetTypeInfo(index, lcid, info);
}

HRESULT CLinkAccessible::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) {
  return m_std->GetIDsOfNames(riid, names, count, lcid, ids);
}

HRESULT CLinkAccessible::Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                EXCEPINFO* exception, UINT* argError) {
  return m_std->Invoke(id, riid, lcid, flags, params, result, exception, argError);
}

HRESULT CLinkAccessible::get_accParent(IDispatch** parent) { return m_std->get_accParent(parent); }

HRESULT CLinkAccessible::get_accChildCount(LONG* count) { return m_std->get_accChildCount(count); }

HRESULT CLinkAccessible::get_accChild(VARIANT child, IDispatch** object) { return m_std->get_accChild(child, object); }

HRESULT CLinkAccessible::get_accDescription(VARIANT child, BSTR* description) {
  return m_std->get_accDescription(child, description);
}

HRESULT CLinkAccessible::get_accHelp(VARIANT child, BSTR* help) { return m_std->get_accHelp(child, help); }

HRESULT CLinkAccessible::get_accHelpTopic(BSTR* helpFile, VARIANT child, LONG* topic) {
  return m_std->get_accHelpTopic(helpFile, child, topic);
}

HRESULT CLinkAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
  return m_std->get_accKeyboardShortcut(child, shortcut);
}

HRESULT CLinkAccessible::get_accFocus(VARIANT* child) { return m_std->get_accFocus(child); }

HRESULT CLinkAccessible::get_accSelection(VARIANT* children) { return m_std->get_accSelection(children); }

HRESULT CLinkAccessible::accSelect(LONG flags, VARIANT child) { return m_std->accSelect(flags, child); }

HRESULT CLinkAccessible::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
  return m_std->accLocation(left, top, width, height, child);
}

HRESULT CLinkAccessible::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
  return m_std->accNavigate(direction, start, end);
}

HRESULT CLinkAccessible::accHitTest(LONG x, LONG y, VARIANT* child) { return m_std->accHitTest(x, y, child); }

HRESULT CLinkAccessible::put_accName(VARIANT child, BSTR name) { return m_std->put_accName(child, name); }

HRESULT CLinkAccessible::put_accValue(VARIANT child, BSTR value) { return m_std->put_accValue(child, value); }

HRESULT CLinkAccessible::GetWindow(HWND* window) {
  if (window == nullptr) return E_POINTER;
  *window = m_link != nullptr ? m_link->GetSafeHwnd() : nullptr;
  return *window != nullptr ? S_OK : E_FAIL;
}

HRESULT CLinkAccessible::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }
