#pragma once
#include <string>

// Why a web list could not be fetched, in the words of the page's status
// line, from the platform's error number (WinINet's, or a socket's) and the
// time-out in seconds.
std::string WebFailureText(unsigned long error, long timeoutSeconds);

// Failures that have no platform error of their own.
constexpr unsigned long kWebErrorInsecureRedirect = 0x7E000001;
constexpr unsigned long kWebErrorTooLarge = 0x7E000002;
constexpr unsigned long kWebErrorTurnedOff = 0x7E000003;
constexpr unsigned long kWebErrorUnsavedChanges = 0x7E000004;
// An HTTP status other than 200 and 304, as kWebErrorStatus + status.
constexpr unsigned long kWebErrorStatus = 0x7F000000;
