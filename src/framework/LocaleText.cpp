#include "framework/LocaleText.h"

#include <windows.h>
#include <oleauto.h>

#include "base/NarrowText_win.h"

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
  const bool converted = NarrowText(text, SysStringLen(text), out);
  SysFreeString(text);
  return converted ? out : kInvalidDateTime;
}
