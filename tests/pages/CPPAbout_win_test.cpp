// The About page in the real main window: its version box and update link
// against the executable's own version resource, and the link's colours
// through the page.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/MainDlgHarness.h"

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

}  // namespace
}  // namespace maindlg
