// The About page in the real main window: its version box and update link
// against the executable's own version resource, the link's colours through
// the page, and its links from the keyboard and for screen readers.
#include <gtest/gtest.h>
#include <windows.h>
#include <oleacc.h>

#include <functional>
#include <string>
#include <vector>

#include "app/MainDlgHarness.h"
#include "support/LinkOpening_win.h"

namespace maindlg {
namespace {

constexpr int kAboutPage = 5;

// The executable's ProductVersion, read straight from its one string table.
std::string OwnProductVersion() {
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  DWORD handle = 0;
  std::vector<char> block(GetFileVersionInfoSizeA(exe, &handle));
  if (block.empty() || !GetFileVersionInfoA(exe, 0, static_cast<DWORD>(block.size()), block.data())) return "";
  char* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block.data(), "\\StringFileInfo\\040904E4\\ProductVersion", reinterpret_cast<void**>(&value),
                      &length)) {
    return "";
  }
  return value;
}

std::string TipText(const CLinkStatic& link) {
  char text[1024] = {};
  TOOLINFOA ti{};
  ti.cbSize = TTTOOLINFOA_V1_SIZE;
  ti.hwnd = link.GetSafeHwnd();
  ti.uId = 1;
  ti.lpszText = text;
  SendMessageA(link.GetToolTip(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&ti));
  return text;
}

TEST_F(MainDlgTest, AboutShowsTheProductVersionAndPutsItInTheUpdateAddress) {
  std::string version, update, tip, site, support, siteCaption;
  LONG versionStyle = 0;
  LRESULT brush = 0;
  COLORREF colour = 0;
  Run({[&] {
         PropSheet_SetCurSel(Sheet(), nullptr, kAboutPage);
         return true;
       },
       [&] {
         auto* about = static_cast<CPPAbout*>(m_dlg->GetPage(kAboutPage));
         HWND page = about->GetSafeHwnd();
         if (page == nullptr) return false;
         version = about->GetDlgItemText(IDC_ABOUT_VERSION);
         versionStyle = GetWindowLongA(about->GetDlgItem(IDC_ABOUT_VERSION), GWL_STYLE);
         update = about->m_updateLink.GetLink();
         tip = TipText(about->m_updateLink);
         site = about->m_siteLink.GetLink();
         siteCaption = about->GetDlgItemText(IDC_ABOUT_SITE);
         support = about->m_supportLink.GetLink();
         // The static asks the page for its colours; the link answers.
         HWND link = about->GetDlgItem(IDC_ABOUT_UPDATE);
         HDC dc = GetDC(link);
         brush = SendMessageA(page, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(link));
         colour = GetTextColor(dc);
         ReleaseDC(link, dc);
         return true;
       }});
  const std::string expected = OwnProductVersion();
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(version, expected);
  EXPECT_TRUE(versionStyle & ES_READONLY);
  EXPECT_EQ(update, "http://www.example.org/support/update.aspx?product=tempovista&version=" + expected);
  EXPECT_EQ(tip, update);
  EXPECT_EQ(site, "http://www.example.org");
  EXPECT_EQ(siteCaption, "www.example.org");
  EXPECT_EQ(support, "mailto:support@example.org");
  EXPECT_EQ(brush, reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));
  EXPECT_EQ(colour, RGB(0, 0, 238));
}

// Opening a link as a user does from the keyboard or a screen reader runs
// the test's stand-in browser: the update link gets an address only the
// test's ".htm" command opens.
class AboutLinkTest : public MainDlgTest {
 protected:
  CPPAbout& About() { return *static_cast<CPPAbout*>(m_dlg->GetPage(kAboutPage)); }
  HWND Item(int id) { return About().GetDlgItem(id); }
  // Shows the page, then leaves the update link unopenable by the shell.
  Step ShowAbout() {
    return [this] {
      PropSheet_SetCurSel(Sheet(), nullptr, kAboutPage);
      About().m_updateLink.SetLink(links::kNoScheme);
      return true;
    };
  }
  Step WaitForOpens(size_t count) {
    return [this, count] { return m_log.Lines().size() >= count; };
  }
  static Step Do(std::function<void()> action) {
    return [action] {
      action();
      return true;
    };
  }

  links::HtmAssociation m_htm{"\"" + links::Logger() + "\" \"%1\""};
  links::CommandLog m_log;
};

TEST_F(AboutLinkTest, TabReachesTheLinksInReadingOrderAndEnterOrSpaceOpensOne) {
  const std::vector<int> kAfterVersion{IDC_ABOUT_UPDATE, IDC_ABOUT_SITE, IDC_ABOUT_SUPPORT};
  std::vector<int> reached;
  bool shownAfterKeys = false;
  std::vector<Step> steps{ShowAbout(), Do([&] { SetFocus(Item(IDC_ABOUT_VERSION)); })};
  for (size_t i = 0; i < kAfterVersion.size(); ++i) {
    steps.push_back(Do([&] { PressKey(VK_TAB); }));
    steps.push_back(Do([&] { reached.push_back(GetDlgCtrlID(GetFocus())); }));
  }
  steps.push_back(Do([&] { SetFocus(Item(IDC_ABOUT_UPDATE)); }));
  for (UINT key : {VK_RETURN, VK_SPACE}) {
    steps.push_back(Do([&, key] { PressKey(key); }));
    steps.push_back(WaitForOpens(key == VK_RETURN ? 1 : 2));
  }
  steps.push_back(Do([&] { shownAfterKeys = Visible(); }));
  EXPECT_FALSE(Run(steps));
  EXPECT_EQ(reached, kAfterVersion);
  EXPECT_TRUE(shownAfterKeys) << "Enter went to the sheet's Hide button";
  const std::vector<std::string> opened = m_log.Lines();
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[1], opened[0]);
  EXPECT_NE(opened[0].find(links::kNoScheme), std::string::npos);
}

TEST_F(AboutLinkTest, ScreenReadersFindALinkNamedByItsTextWhoseActionOpensIt) {
  VARIANT role{};
  BSTR name = nullptr, value = nullptr;
  HRESULT action = E_FAIL;
  EXPECT_FALSE(Run({ShowAbout(), Do([&] {
                      IAccessible* link = nullptr;
                      if (FAILED(AccessibleObjectFromWindow(Item(IDC_ABOUT_UPDATE), OBJID_CLIENT,
                                                            __uuidof(IAccessible), reinterpret_cast<void**>(&link)))) {
                        return;
                      }
                      VARIANT self{};
                      self.vt = VT_I4;
                      self.lVal = CHILDID_SELF;
                      link->get_accRole(self, &role);
                      link->get_accName(self, &name);
                      link->get_accValue(self, &value);
                      action = link->accDoDefaultAction(self);
                      // Wine's WindowFromAccessibleObject falls back on the
                      // control's standard object: ask the link's own.
                      HWND window = nullptr;
                      IOleWindow* ole = nullptr;
                      if (SUCCEEDED(link->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(&ole)))) {
                        ole->GetWindow(&window);
                        ole->Release();
                      }
                      EXPECT_EQ(window, Item(IDC_ABOUT_UPDATE)) << "the link's own window, not the page's";
                      link->Release();
                    }),
                    WaitForOpens(1)}));
  const auto text = [](BSTR wide) { return std::string(wide, wide + SysStringLen(wide)); };
  EXPECT_EQ(role.lVal, ROLE_SYSTEM_LINK);
  EXPECT_EQ(text(name), "Check for updates");
  EXPECT_EQ(text(value), links::kNoScheme);
  EXPECT_EQ(action, S_OK);
  EXPECT_EQ(m_log.Lines().size(), 1u);
  SysFreeString(name);
  SysFreeString(value);
}

}  // namespace
}  // namespace maindlg
