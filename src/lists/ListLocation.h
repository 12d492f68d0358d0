#pragma once
#include <string>

// What kind of place a list location names. The scheme is matched without
// regard to case, so "HTTP://" is a web address too.
enum class LocationKind {
  Web,      // http://, https://, and the subscription schemes webcal:// and webcals://
  Ftp,      // ftp://
  FileUrl,  // file:, opened by our own code
  Local     // anything else: a path
};

LocationKind ClassifyLocation(const std::string& location);

// Whether `location` begins with `scheme` ("https://", in lower case), in
// any case.
bool StartsWithScheme(const std::string& location, const char* scheme);

// A web or FTP address: one read over the network.
bool IsRemoteLocation(const std::string& location);

// The address a web location is fetched from: webcal:// reads as http://
// and webcals:// as https://; any other location comes back unchanged.
std::string FetchAddressOf(const std::string& location);

// The local path of a "file:" address: file:///C:/a%20b/x.tvh and
// file:C:\a b\x.tvh both give C:\a b\x.tvh; file://server/share/x gives
// \\server\share\x. Percent escapes are decoded, slashes become backslashes.
std::string LocalPathOfFileUrl(const std::string& location);
