#include "lists/ReminderText.h"

#include "framework/LocaleText.h"

std::string EndText(const COleDateTime& end) {
  return DateText(end, DateTextForm::ShortDate) + " " + DateText(end, DateTextForm::TimeOnly);
}
