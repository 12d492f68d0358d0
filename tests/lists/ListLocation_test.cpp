#include "lists/ListLocation.h"

#include <gtest/gtest.h>

TEST(ListLocation, SchemesAreMatchedWithoutCaseAndOnlyAtTheStart) {
  const struct {
    const char* location;
    LocationKind kind;
  } cases[] = {
      {"http://127.0.0.1/x.tvh", LocationKind::Web},
      {"HTTP://127.0.0.1/x.tvh", LocationKind::Web},
      {"hTtPs://host/x", LocationKind::Web},
      {"webcal://host/x.ics", LocationKind::Web},
      {"WEBCALS://host/x.ics", LocationKind::Web},
      {"webcal:/host/x.ics", LocationKind::Local},
      {"ftp://host/x.tve", LocationKind::Ftp},
      {"FTP://host/x.tve", LocationKind::Ftp},
      {"file:///C:/x.tvh", LocationKind::FileUrl},
      {"FILE:C:\\x.tvh", LocationKind::FileUrl},
      {"C:\\lists\\x.tvh", LocationKind::Local},
      {"http:/host/x", LocationKind::Local},   // one slash: not an address
      {"http:", LocationKind::Local},
      {"ftp:/", LocationKind::Local},
      {" http://host/x", LocationKind::Local},  // leading blank: a (strange) path
      {"x\\http://", LocationKind::Local},
      {"", LocationKind::Local},
  };
  for (const auto& c : cases) EXPECT_EQ(c.kind, ClassifyLocation(c.location)) << c.location;
}

TEST(ListLocation, SubscriptionSchemesAreFetchedOverHttp) {
  const char* cases[][2] = {
      {"webcal://host/x.ics", "http://host/x.ics"},
      {"WebCals://host/x.ics", "https://host/x.ics"},
      {"https://host/x.ics", "https://host/x.ics"},
      {"ftp://host/x.ics", "ftp://host/x.ics"},
  };
  for (const auto& c : cases) EXPECT_EQ(c[1], FetchAddressOf(c[0])) << c[0];
}

TEST(ListLocation, FileUrlsBecomeLocalPaths) {
  const struct {
    const char* url;
    const char* path;
  } cases[] = {
      {"file:///C:/lists/x.tvh", "C:\\lists\\x.tvh"},
      {"file://C:/lists/x.tvh", "C:\\lists\\x.tvh"},
      {"file:C:\\lists\\x.tvh", "C:\\lists\\x.tvh"},
      {"file:///c|/lists/x.tvh", "c:\\lists\\x.tvh"},
      {"file:///C:/my%20lists/x%2Etvh", "C:\\my lists\\x.tvh"},
      {"file://server/share/x.tvh", "\\\\server\\share\\x.tvh"},
      {"file:///tmp/x.tvh", "\\tmp\\x.tvh"},
      {"file:x.tvh", "x.tvh"},
      {"file:///C:/a%2", "C:\\a%2"},          // a cut escape stays as typed
      {"file:///C:/a%zz", "C:\\a%zz"},
      {"file:///C:/x.tvh%00.txt", "C:\\x.tvh%00.txt"},  // never a NUL in a path
  };
  for (const auto& c : cases) EXPECT_EQ(c.path, LocalPathOfFileUrl(c.url)) << c.url;
}
