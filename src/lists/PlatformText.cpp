#include "lists/PlatformText.h"

std::string Utf8ToAnsi(const std::string& utf8) {
  return ConvertCodePage(utf8, kUtf8CodePage, ProgramCodePage());
}

std::string AnsiToUtf8(const std::string& ansi) {
  return ConvertCodePage(ansi, ProgramCodePage(), kUtf8CodePage);
}
