#pragma once
#include <string>

// The code page a list file's bytes are in. Every earlier version wrote the
// system's legacy code page; names it cannot hold are written as UTF-8, and
// UTF-8 files from elsewhere (the ready-made lists, a web server) read as
// such. Code pages are Windows' numbers (PlatformText.h).
enum class ListFileEncoding { Legacy, Utf8, Utf8WithBom };

// A file that begins with a UTF-8 byte-order mark, or whose bytes are
// well-formed UTF-8 with at least one above 0x7F, is UTF-8; any other file
// is in the legacy code page (ASCII reads the same either way).
ListFileEncoding DetectListFileEncoding(const std::string& bytes);

// A list file's bytes as text in the program's code page `program`, read by
// the rule above; `legacy` is the system's legacy code page.
std::string ListFileToText(const std::string& bytes, unsigned legacy, unsigned program);

// List text in the program's code page as a file's bytes: in the legacy
// code page, as earlier versions wrote it, where that holds every character
// and reads back by the rule above; otherwise UTF-8 without a byte-order
// mark.
std::string TextToListFile(const std::string& text, unsigned legacy, unsigned program);
