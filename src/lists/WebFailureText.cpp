#include "lists/WebFailureText.h"

namespace {
// WinINet's numbers, which this portable file cannot take from wininet.h.
bool IsTimeOut(unsigned long e) { return e == 12002 || e == 12030 || e == 10060; }
bool IsCertificateError(unsigned long e) {
  switch (e) {
    case 12037: case 12038: case 12044: case 12045: case 12055: case 12057:
    case 12169: case 12170: case 12175: case 12179:
      return true;
    default:
      return false;
  }
}
}  // namespace

std::string WebFailureText(unsigned long error, long timeoutSeconds) {
  if (error > kWebErrorStatus) return "the server answered " + std::to_string(error - kWebErrorStatus);
  if (IsTimeOut(error))
    return "no answer within " + std::to_string(timeoutSeconds) + (timeoutSeconds == 1 ? " second" : " seconds");
  if (IsCertificateError(error)) return "the certificate is not trusted";
  switch (error) {
    case 12029:
      return "the server could not be reached";
    case 12007:
      return "the address could not be found";
    case kWebErrorInsecureRedirect:
      return "the server redirected to an insecure address";
    case kWebErrorTooLarge:
      return "the list is larger than 64 MB";
    case kWebErrorTurnedOff:
      return "loading from web addresses is turned off";
    case kWebErrorUnsavedChanges:
      return "the list has unsaved changes";
    default:
      return "the server could not be read (error " + std::to_string(error) + ")";
  }
}
