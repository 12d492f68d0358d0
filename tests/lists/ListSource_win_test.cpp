// Where list text comes from: local files and "file:" addresses read in the
// C runtime's text mode, web and FTP addresses from the fixture's servers on
// 127.0.0.1, and the per-kind cache when a location cannot be read.
#include "ListTestSupport_win.h"
#include "base/ProgramNames.h"
#include "lists/DateListIO.h"
#include "lists/ListSource.h"

using namespace listtest;

namespace {

using Strings = std::vector<std::string>;

class ListSourceTest : public ListTest {
 protected:
  bool Load(const std::string& location, bool remember = false, bool quiet = false) {
    return LoadDateList(DateListKind::Holidays, m_owner, location, true, remember, quiet);
  }
  std::string CacheMessage(const std::string& location) const {
    return "Unable to read the holidays file\n\n" + location + kCacheNote;
  }
  // A location that cannot be read, with a cache that holds the list "Cached".
  void PrimeCache() { WriteBytes(Cache(), "Cached|2004/03/01\n"); }
};

TEST_F(ListSourceTest, LocalFilesReadInTextModeAndTheCacheHoldsWhatWasRead) {
  const struct {
    const char* what;
    std::string bytes;
    Strings names;
    std::string cache;
  } cases[] = {
      {"crlf", "!Version: 1.0\r\nChristmas|2004/12/25\r\n", {"Christmas"},
       "!Version: 1.0\nChristmas|2004/12/25\n"},
      {"sorted", "B|2004/02/01\nA|2004/01/01\n", {"A", "B"}, "B|2004/02/01\nA|2004/01/01\n"},
      {"ctrl-z ends", "A|2004/01/02\r\n\x1a" "B|2004/01/03\r\n", {"A"}, "A|2004/01/02\n"},
      // A lone CR stays in the cache but goes before parsing: one line.
      {"lone cr", "A|2004/01/02\rB|2004/01/03\n", {"A"}, "A|2004/01/02\rB|2004/01/03\n"},
      {"nul ends", std::string("A|2004/01/02\n\0B|2004/01/03\n", 27), {"A"},
       std::string("A|2004/01/02\n\0B|2004/01/03\n", 27)},
      {"empty", "", {}, ""},
  };
  for (const auto& c : cases) {
    m_owner.m_holidays = Records({"old"});
    WriteBytes(File("list.tvh"), c.bytes);
    EXPECT_TRUE(Load(File("list.tvh"))) << c.what;
    EXPECT_EQ(c.names, Names(m_owner.m_holidays)) << c.what;
    EXPECT_EQ(c.cache, ReadBytes(Cache())) << c.what;
  }
  EXPECT_TRUE(m_boxes.empty());
  EXPECT_EQ("", m_settings.GetText(setting::kHolidayFile));  // not asked to remember
}

TEST_F(ListSourceTest, FileAddressesAreOpenedByOurOwnCode) {
  WriteBytes(File("my list.tvh"), "Day|2004/05/06\r\n");
  std::string url = "file:///" + File("my%20list.tvh");
  for (char& c : url)
    if (c == '\\') c = '/';
  ASSERT_TRUE(Load(url, true));
  EXPECT_EQ(Strings{"Day"}, Names(m_owner.m_holidays));
  EXPECT_EQ(url, m_settings.GetText(setting::kHolidayFile));
}

TEST_F(ListSourceTest, UnreadableLocationsFallBackToTheCacheWithTheKindsMessage) {
  const struct {
    DateListKind kind;
    const char* cacheSetting;
    const char* prefix;
    const char* locationSetting;
  } kinds[] = {
      {DateListKind::Holidays, setting::kHolidayCacheFile, "Unable to read the holidays file\n\n",
       setting::kHolidayFile},
      {DateListKind::Events, setting::kEventCacheFile, "Unable to read the events file\n\n", setting::kEventFile},
      {DateListKind::Counters, setting::kCounterCacheFile,
       "Unable to read the Countdown counters file\n\n", setting::kCounterFile},
  };
  for (const auto& k : kinds) {
    m_boxes.clear();
    WriteBytes(Cache(k.cacheSetting), "Cached|2004/03/01 10:00:00\r\n");
    const std::string missing = File("missing.tvh");
    ASSERT_TRUE(LoadDateList(k.kind, m_owner, missing, false, true, false));
    EXPECT_EQ(Strings{"Cached"}, Names(m_owner.GetList(k.kind)));
    ASSERT_EQ(1u, m_boxes.size());
    EXPECT_EQ(k.prefix + missing + kCacheNote, m_boxes[0].text);
    EXPECT_EQ(kProgramTitle, m_boxes[0].caption);
    EXPECT_EQ(UINT(MB_OK | MB_ICONINFORMATION), m_boxes[0].type);
    // The unreadable location is still remembered, and the cache is left as it was.
    EXPECT_EQ(missing, m_settings.GetText(k.locationSetting));
    EXPECT_EQ("Cached|2004/03/01 10:00:00\r\n", ReadBytes(Cache(k.cacheSetting)));
  }
}

TEST_F(ListSourceTest, TheCacheIsSharedByEveryLocationOfAKind) {
  WriteBytes(File("a.tvh"), "FromA|2004/01/01\n");
  ASSERT_TRUE(Load(File("a.tvh")));
  m_owner.m_holidays.clear();
  ASSERT_TRUE(Load(File("b.tvh")));  // never there
  EXPECT_EQ(Strings{"FromA"}, Names(m_owner.m_holidays));
  ASSERT_EQ(1u, m_boxes.size());
  EXPECT_EQ(CacheMessage(File("b.tvh")), m_boxes[0].text);
  // Quiet: the same load, no message.
  EXPECT_TRUE(Load(File("b.tvh"), false, true));
  EXPECT_EQ(1u, m_boxes.size());
}

TEST_F(ListSourceTest, NoCacheAndNoSourceIsAQuietFailureThatChangesNothing) {
  m_owner.m_holidays = Records({"kept"});
  m_settings.SetText(setting::kHolidayFile, "before.tvh");
  EXPECT_FALSE(Load(File("missing.tvh"), true));
  EXPECT_EQ(Strings{"kept"}, Names(m_owner.m_holidays));
  EXPECT_EQ("before.tvh", m_settings.GetText(setting::kHolidayFile));
  EXPECT_FALSE(Exists(Cache()));
  EXPECT_TRUE(m_boxes.empty());
}

TEST_F(ListSourceTest, AReadWhoseCacheCannotBeWrittenIsNotUsed) {
  WriteBytes(File("list.tvh"), "New|2004/01/01\n");
  m_owner.m_holidays = Records({"kept"});
  for (const std::string& cache : {File("no such folder\\TVcache.tvh"), std::string()}) {
    m_settings.SetText(setting::kHolidayCacheFile, cache);
    EXPECT_FALSE(Load(File("list.tvh"), true));
    EXPECT_EQ(Strings{"kept"}, Names(m_owner.m_holidays));
    EXPECT_EQ("", m_settings.GetText(setting::kHolidayFile));
  }
  EXPECT_TRUE(m_boxes.empty());
}

TEST_F(ListSourceTest, BadLocationsGiveTheCacheOrAQuietFalse) {
  CreateDirectoryA(File("folder.tvh").c_str(), nullptr);
  const std::string locations[] = {
      File("folder.tvh"),
      File(std::string(2000, 'x')),
      "",
      "\\\\?\\Z:\\nothing\\here",
      "file:",
      "file:///" + File("x.tvh%00.txt"),
  };
  for (const std::string& location : locations) {
    m_boxes.clear();
    m_owner.m_holidays = Records({"kept"});
    EXPECT_FALSE(Load(location, false, true)) << location.substr(0, 60);
    EXPECT_EQ(Strings{"kept"}, Names(m_owner.m_holidays));
    PrimeCache();
    EXPECT_EQ(!location.empty(), Load(location)) << location.substr(0, 60);
    ASSERT_EQ(1u, m_boxes.size());
    if (!location.empty()) {
      EXPECT_EQ(Strings{"Cached"}, Names(m_owner.m_holidays));
      EXPECT_EQ(CacheMessage(location), m_boxes[0].text);
    }
    DeleteFileA(Cache().c_str());
  }
}

TEST_F(ListSourceTest, AFiftyMegabyteFileLoadsWhole) {
  std::string big = "First|2004/01/01\n!";
  big.append(50u << 20, 'x');
  big += "\nLast|2004/12/31\n";
  WriteBytes(File("big.tvh"), big);
  ASSERT_TRUE(Load(File("big.tvh")));
  EXPECT_EQ((Strings{"First", "Last"}), Names(m_owner.m_holidays));
  EXPECT_EQ(big.size(), ReadBytes(Cache()).size());
  DeleteFileA(File("big.tvh").c_str());
  DeleteFileA(Cache().c_str());
}

// The fixture's servers on 127.0.0.1.
class RemoteSourceTest : public ListSourceTest {
 protected:
  void SetUp() override {
    ListSourceTest::SetUp();
    ASSERT_TRUE(m_servers.Load()) << "the list servers did not start";
    m_settings.SetNumber(setting::kInternetAllowed, 1);
  }
  // A file on both servers, named for this test alone.
  std::string Publish(const std::string& name, const std::string& bytes) {
    const std::string unique =
        std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" + name;
    WriteBytes(m_servers.www + "\\" + unique, bytes);
    return unique;
  }
  bool ServerSaw(const std::string& file) const {
    return ReadBytes(m_servers.httpLog).find("/" + file) != std::string::npos;
  }
  Servers m_servers;
};

TEST_F(RemoteSourceTest, Http200LoadsAndRewritesTheCache) {
  PrimeCache();
  const std::string file = Publish("ok.tvh", "!Version: 1.0\r\nWeb|2004/07/04\r\n");
  ASSERT_TRUE(Load(m_servers.Http(file), true));
  EXPECT_EQ(Strings{"Web"}, Names(m_owner.m_holidays));
  EXPECT_EQ("!Version: 1.0\r\nWeb|2004/07/04\r\n", ReadBytes(Cache()));
  EXPECT_EQ(m_servers.Http(file), m_settings.GetText(setting::kHolidayFile));
  EXPECT_TRUE(m_boxes.empty());
  EXPECT_TRUE(ServerSaw(file));
}

TEST_F(RemoteSourceTest, AnEmptyBodyCountsAsReadAndEmptiesTheList) {
  PrimeCache();
  m_owner.m_holidays = Records({"old"});
  ASSERT_TRUE(Load(m_servers.Http(Publish("empty.tvh", ""))));
  EXPECT_TRUE(m_owner.m_holidays.empty());
  EXPECT_EQ("", ReadBytes(Cache()));
  EXPECT_TRUE(Exists(Cache()));
}

TEST_F(RemoteSourceTest, NotFoundAndRefusedConnectionsLoadTheCache) {
  const std::string locations[] = {
      m_servers.Http("no-such-file.tvh"),
      "http://127.0.0.1:" + std::to_string(m_servers.dead) + "/x.tvh",
      m_servers.Ftp("no-such-file.tvh"),
  };
  for (const std::string& location : locations) {
    m_boxes.clear();
    PrimeCache();
    ASSERT_TRUE(Load(location)) << location;
    EXPECT_EQ(Strings{"Cached"}, Names(m_owner.m_holidays)) << location;
    ASSERT_EQ(1u, m_boxes.size()) << location;
    EXPECT_EQ(CacheMessage(location), m_boxes[0].text);
    EXPECT_EQ("Cached|2004/03/01\n", ReadBytes(Cache()));  // not the error page
  }
}

TEST_F(RemoteSourceTest, FtpLoads) {
  const std::string file = Publish("ftp.tve", "Ftp|2004/08/09\r\n");
  ASSERT_TRUE(LoadDateList(DateListKind::Events, m_owner, m_servers.Ftp(file), true, true, false));
  EXPECT_EQ(Strings{"Ftp"}, Names(m_owner.m_events));
  EXPECT_EQ("Ftp|2004/08/09\r\n", ReadBytes(Cache(setting::kEventCacheFile)));
  EXPECT_TRUE(m_boxes.empty());
}

TEST_F(RemoteSourceTest, AddressesNeverReachTheServerUnlessInternetAllowedIsExactlyOne) {
  const struct {
    const char* what;
    bool stored;
    DWORD value;
    bool allowRemote;
  } cases[] = {
      {"missing", false, 0, true}, {"zero", true, 0, true},   {"two", true, 2, true},
      {"minus one", true, DWORD(-1), true}, {"allowed, but start-up", true, 1, false},
  };
  int n = 0;
  for (const auto& c : cases) {
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_CURRENT_USER, kSettingsKey, &key));
    if (c.stored)
      RegSetValueExA(key, setting::kInternetAllowed, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&c.value), 4);
    else
      RegDeleteValueA(key, setting::kInternetAllowed);
    RegCloseKey(key);

    const std::string file = Publish("refused" + std::to_string(n++) + ".tvh", "Web|2004/01/01\n");
    std::string location = m_servers.Http(file);
    location.replace(0, 4, "HTTP");
    m_boxes.clear();
    PrimeCache();
    ASSERT_TRUE(LoadDateList(DateListKind::Holidays, m_owner, location, c.allowRemote, true, false))
        << c.what;
    EXPECT_EQ(Strings{"Cached"}, Names(m_owner.m_holidays)) << c.what;
    ASSERT_EQ(1u, m_boxes.size()) << c.what;
    EXPECT_EQ(CacheMessage(location), m_boxes[0].text) << c.what;
    EXPECT_EQ(location, m_settings.GetText(setting::kHolidayFile)) << c.what;
    EXPECT_FALSE(ServerSaw(file)) << c.what;
  }
  // The same address in capitals does reach the server once allowed.
  const std::string file = Publish("allowed.tvh", "Web|2004/01/01\n");
  std::string location = m_servers.Http(file);
  location.replace(0, 4, "HTTP");
  m_settings.SetNumber(setting::kInternetAllowed, 1);
  ASSERT_TRUE(Load(location));
  EXPECT_EQ(Strings{"Web"}, Names(m_owner.m_holidays));
  EXPECT_TRUE(ServerSaw(file));
}

}  // namespace
