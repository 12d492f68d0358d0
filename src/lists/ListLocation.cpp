#include "lists/ListLocation.h"

#include <cctype>
#include <cstring>

bool StartsWithScheme(const std::string& location, const char* scheme) {
  const size_t length = std::strlen(scheme);
  if (location.size() < length) return false;
  for (size_t i = 0; i < length; ++i) {
    if (std::tolower(static_cast<unsigned char>(location[i])) != scheme[i]) return false;
  }
  return true;
}

namespace {
int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsDriveStart(const std::string& text, size_t at) {
  return text.size() >= at + 2 && std::isalpha(static_cast<unsigned char>(text[at])) &&
         (text[at + 1] == ':' || text[at + 1] == '|');
}
}  // namespace

LocationKind ClassifyLocation(const std::string& location) {
  if (StartsWithScheme(location, "http://") || StartsWithScheme(location, "https://") ||
      StartsWithScheme(location, "webcal://") || StartsWithScheme(location, "webcals://"))
    return LocationKind::Web;
  if (StartsWithScheme(location, "ftp://")) return LocationKind::Ftp;
  if (StartsWithScheme(location, "file:")) return LocationKind::FileUrl;
  return LocationKind::Local;
}

bool IsRemoteLocation(const std::string& location) {
  const LocationKind kind = ClassifyLocation(location);
  return kind == LocationKind::Web || kind == LocationKind::Ftp;
}

std::string FetchAddressOf(const std::string& location) {
  // Subscribe links hand out webcal addresses; the calendar behind one is
  // served over plain HTTP(S).
  if (StartsWithScheme(location, "webcal://")) return "http://" + location.substr(9);
  if (StartsWithScheme(location, "webcals://")) return "https://" + location.substr(10);
  return location;
}

std::string LocalPathOfFileUrl(const std::string& location) {
  std::string rest = location.substr(std::strlen("file:"));
  size_t slashes = 0;
  while (slashes < rest.size() && (rest[slashes] == '/' || rest[slashes] == '\\')) ++slashes;

  std::string path;
  if (IsDriveStart(rest, slashes)) {
    path = rest.substr(slashes);
    path[1] = ':';
  } else if (slashes == 2) {
    path = "\\\\" + rest.substr(slashes);  // a host: a share on another machine
  } else {
    path = rest.substr(slashes > 0 ? slashes - 1 : 0);
  }

  std::string decoded;
  for (size_t i = 0; i < path.size(); ++i) {
    char c = path[i];
    // %00 stays as it is: a NUL would cut the path short and name another file.
    if (c == '%' && i + 2 < path.size() && HexValue(path[i + 1]) >= 0 &&
        HexValue(path[i + 2]) >= 0 && (path[i + 1] != '0' || path[i + 2] != '0')) {
      c = static_cast<char>(HexValue(path[i + 1]) * 16 + HexValue(path[i + 2]));
      i += 2;
    } else if (c == '/') {
      c = '\\';
    }
    decoded += c;
  }
  return decoded;
}
