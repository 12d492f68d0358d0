#pragma once
#include <cstddef>
#include <string>

// UTF-8 as Unicode defines it: overlong forms, surrogates and values past
// U+10FFFF are not UTF-8, so a file of another code page is seldom taken
// for it.

// The code point at `pos`, moving `pos` past it; a byte that does not begin
// a well-formed sequence is taken alone and gives -1.
long DecodeUtf8(const std::string& text, size_t& pos);

// Appends the UTF-8 bytes of a code point (at most U+10FFFF).
void AppendUtf8(unsigned long code, std::string& out);

// Whether every byte of `text` belongs to a well-formed sequence.
bool IsValidUtf8(const std::string& text);

// Whether `text` begins with the byte-order mark EF BB BF.
bool HasUtf8Bom(const std::string& text);

// Whether any byte is above 0x7F: text without one is ASCII, the same in
// UTF-8 and in every Windows code page.
bool HasByteAbove7F(const std::string& text);
