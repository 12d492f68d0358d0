#pragma once
#include <string>

#include "controls/CLinkStatic.h"
#include "framework/CPropertyPage.h"

// The About page: what the program is, its version as its own version
// resource gives it, and links to the maker's site, the support address and
// the update page (which gets the running version in its address). All of it
// is set up at initialisation; the page has no commands.
class CPPAbout : public CPropertyPage {
 public:
  CPPAbout();

  CLinkStatic m_siteLink;
  CLinkStatic m_supportLink;
  CLinkStatic m_updateLink;
  std::string m_strVersion;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

 private:
  std::string m_strNote;
};
