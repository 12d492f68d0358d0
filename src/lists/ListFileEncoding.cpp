#include "lists/ListFileEncoding.h"

#include "base/Utf8.h"
#include "lists/PlatformText.h"

ListFileEncoding DetectListFileEncoding(const std::string& bytes) {
  if (HasUtf8Bom(bytes)) return ListFileEncoding::Utf8WithBom;
  return HasByteAbove7F(bytes) && IsValidUtf8(bytes) ? ListFileEncoding::Utf8 : ListFileEncoding::Legacy;
}

std::string ListFileToText(const std::string& bytes, unsigned legacy, unsigned program) {
  // The code page is decided before anything is converted: legacy bytes
  // taken for UTF-8 would come out as replacement characters.
  switch (DetectListFileEncoding(bytes)) {
    case ListFileEncoding::Utf8WithBom:
      return ConvertCodePage(bytes.substr(3), kUtf8CodePage, program);
    case ListFileEncoding::Utf8:
      return ConvertCodePage(bytes, kUtf8CodePage, program);
    case ListFileEncoding::Legacy:
    default:
      return ConvertCodePage(bytes, legacy, program);
  }
}

std::string TextToListFile(const std::string& text, unsigned legacy, unsigned program) {
  bool lost = false;
  const std::string inLegacy = ConvertCodePage(text, program, legacy, &lost);
  // Legacy bytes that happen to be well-formed UTF-8 ("Ã©" in Windows-1252)
  // would read back as other characters: those go as UTF-8, which reads
  // back unchanged.
  if (!lost && DetectListFileEncoding(inLegacy) == ListFileEncoding::Legacy) return inLegacy;
  return ConvertCodePage(text, program, kUtf8CodePage);
}
