#include "pages/CPPAbout.h"

#include "controls/MakerSite.h"
#include "framework/ExecutableName.h"
#include "framework/FileVersionInfo.h"
#include "resource.h"

CPPAbout::CPPAbout()
    : CPropertyPage(IDD_ABOUT),
      m_strNote(
          "Tempovista keeps your holidays, events and countdowns in small text files that you can "
          "share, or load from the web.\r\n\r\n"
          // The credits the data's licences ask for.
          "Holiday lists derived from date-holidays by commenthol and contributors, CC BY-SA "
          "3.0; their work weeks from the Unicode CLDR, \xc2\xa9 Unicode, Inc., Unicode License v3.") {}

void CPPAbout::DoDataExchange(CDataExchange* pDX) {
  DDX_Control(pDX, IDC_ABOUT_SUPPORT, m_supportLink);
  DDX_Control(pDX, IDC_ABOUT_SITE, m_siteLink);
  DDX_Control(pDX, IDC_ABOUT_UPDATE, m_updateLink);
  DDX_Text(pDX, IDC_ABOUT_VERSION, m_strVersion);
  DDX_Text(pDX, IDC_ABOUT_NOTE, m_strNote);
}

BOOL CPPAbout::OnInitDialog() {
  const BOOL result = CPropertyPage::OnInitDialog();
  m_supportLink.SetLink(std::string("mailto:") + kSupportEmail);
  m_supportLink.SetUnderlined(true);
  m_siteLink.SetLink(std::string("http://") + kMakerHost);
  m_siteLink.SetUnderlined(true);

  // The running program's own file, found as the system finds a bare name.
  const FileVersionInfo version(ExecutableName() + ".EXE");
  m_strVersion = version.Query("ProductVersion");
  m_updateLink.SetLink(std::string("http://") + kMakerHost +
                       "/support/update.aspx?product=tempovista&version=" + m_strVersion);
  m_updateLink.SetUnderlined(true);
  UpdateData(false);
  return result;
}
