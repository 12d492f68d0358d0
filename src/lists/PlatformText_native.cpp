#include "lists/PlatformText.h"

COleDateTime ParsePlatformDate(const std::string&) {
  return COleDateTime(0.0, COleDateTime::invalid);
}

const LeadByteTable& AnsiLeadBytes() {
  static const LeadByteTable none;
  return none;
}
