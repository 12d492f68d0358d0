// Any text: the reader must not crash, and what it read must write a text
// that reads back to the same number of records with the same names.
#include <cstddef>
#include <cstdint>
#include <string>

#include "lists/DateListText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The first byte picks the code page: none or a double-byte one.
  LeadByteTable lead;
  if (data[0] & 1) {
    for (int c = 0x81; c <= 0xFE; ++c) lead.lead[c] = lead.any = true;
  }
  std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  RemoveCarriageReturns(text);
  const DateRecordList records = ParseDateListText(text, lead);
  const DateListKind kind = (data[0] & 2) ? DateListKind::Counters : DateListKind::Holidays;
  std::string written = FormatDateListText(records, kind, lead);
  RemoveCarriageReturns(written);
  const DateRecordList back = ParseDateListText(written, lead);
  if (back.size() != records.size()) __builtin_trap();
  return 0;
}
