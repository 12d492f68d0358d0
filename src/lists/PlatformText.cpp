#include "lists/PlatformText.h"

// CodePageText's lead bytes as a table for the list text's scanner, the
// same in both builds: none in UTF-8 (the native build's code page). The
// platform's IsDBCSLeadByte is not asked, as it takes UTF-8 for single
// bytes; one definition of the lead bytes serves every cut.
const LeadByteTable& AnsiLeadBytes() {
  static const LeadByteTable table = [] {
    LeadByteTable t;
    const CodePageText codePage;
    for (int c = 0x80; c < 0x100; ++c) {
      if (codePage.IsLeadByte(static_cast<unsigned char>(c))) t.lead[c] = t.any = true;
    }
    return t;
  }();
  return table;
}

std::string Utf8ToAnsi(const std::string& utf8) {
  return ConvertCodePage(utf8, kUtf8CodePage, ProgramCodePage());
}

std::string AnsiToUtf8(const std::string& ansi) {
  return ConvertCodePage(ansi, ProgramCodePage(), kUtf8CodePage);
}
