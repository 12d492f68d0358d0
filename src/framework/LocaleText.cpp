#include "framework/LocaleText.h"

#include <windows.h>
#include <oleauto.h>

#include <vector>

namespace {
const char kInvalidDateTime[] = "Invalid DateTime";

ULONG FlagsOf(DateTextForm form) {
  switch (form) {
    case DateTextForm::ShortDate: return VAR_DATEVALUEONLY;
    case DateTextForm::TimeOnly: return VAR_TIMEVALUEONLY;
    case DateTextForm::DateAndTime: return 0;
  }
  return 0;
}

// The BSTR in the ANSI code page, as the rest of the program's text is.
bool Narrow(BSTR text, std::string& out) {
  int wide = static_cast<int>(SysStringLen(text));
  if (wide == 0) {
    out.clear();
    return true;
  }
  int bytes = WideCharToMultiByte(CP_ACP, 0, text, wide, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return false;
  std::vector<char> buffer(static_cast<size_t>(bytes));
  if (WideCharToMultiByte(CP_ACP, 0, text, wide, buffer.data(), bytes, nullptr, nullptr) != bytes) {
    return false;
  }
  out.assign(buffer.data(), buffer.size());
  return true;
}
}  // namespace

std::string DateText(const COleDateTime& value, DateTextForm form) {
  if (!value.IsValid()) return kInvalidDateTime;
  double date = value.m_dt;
  if (form == DateTextForm::TimeOnly) {
    // Wine answers an empty text for midnight of any day but day 0; the
    // time of day alone (the fraction counts forwards before 1899 too)
    // always reads as a time.
    if (date < -657434.0 || date >= 2958466.0) return kInvalidDateTime;
    double days = date < 0 ? -date : date;
    date = days - static_cast<double>(static_cast<long long>(days));
  }
  BSTR text = nullptr;
  if (FAILED(VarBstrFromDate(date, LOCALE_USER_DEFAULT, FlagsOf(form), &text))) {
    return kInvalidDateTime;
  }
  std::string out;
  bool converted = Narrow(text, out);
  SysFreeString(text);
  return converted ? out : kInvalidDateTime;
}
