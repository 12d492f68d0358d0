// The settings store against the real (Wine) registry, below a key of the
// test's own so that the program's settings are never touched.
#include "app/CRegistrySettings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/ProgramNames.h"
#include "base/SettingsDefaults.h"

namespace {

const char kTestRoot[] = "Software\\QRV\\TempovistaTests\\Settings";
const char kStorePath[] = "Software\\QRV\\TempovistaTests\\Settings\\Store\\";

// A text default that is not empty, so that a fallback can be told apart from
// an empty stored text; and a second entry of the same name, which must never
// be found because the first one added wins.
const TextDefault kProbeTexts[] = {{"Probe", "fallback"}, {"Probe", "second"}};
const NumberDefault kProbeNumbers[] = {{"Probe", 77}, {"Probe", 88}};

class RegistrySettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, kTestRoot);
    m_store.SetRoot(HKEY_CURRENT_USER, kStorePath);
    m_store.AddNumberDefaults(kNumberDefaults, kNumberDefaultCount);
    m_store.AddTextDefaults(kTextDefaults, kTextDefaultCount);
    m_store.AddNumberDefaults(kProbeNumbers, 2);
    m_store.AddTextDefaults(kProbeTexts, 2);
  }
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kTestRoot); }

  // Writes a value as another program might have left it.
  static void PutRaw(const char* name, DWORD type, const std::vector<BYTE>& data) {
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_CURRENT_USER, kStorePath, &key));
    ASSERT_EQ(ERROR_SUCCESS,
              RegSetValueExA(key, name, 0, type, data.data(), DWORD(data.size())));
    RegCloseKey(key);
  }

  // The raw value, or false when it (or the key) is not there.
  static bool GetRaw(const char* path, const char* name, DWORD& type, std::vector<BYTE>& data) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    DWORD size = 0;
    bool ok = RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
    if (ok) {
      data.assign(size + 1, 0);
      ok = RegQueryValueExA(key, name, nullptr, &type, data.data(), &size) == ERROR_SUCCESS;
      data.resize(size);
    }
    RegCloseKey(key);
    return ok;
  }

  static DWORD ValueCount(const char* path) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return DWORD(-1);
    DWORD count = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, nullptr,
                     nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return count;
  }

  CRegistrySettings m_store;
};

TEST_F(RegistrySettingsTest, EmptyRegistryAnswersAllTwelveDefaultsAndCreatesAnEmptyKey) {
  for (const NumberDefault& d : kNumberDefaults) EXPECT_EQ(d.value, m_store.GetNumber(d.name)) << d.name;
  for (const TextDefault& d : kTextDefaults) EXPECT_EQ(d.value, m_store.GetText(d.name)) << d.name;
  EXPECT_EQ(131076, m_store.GetNumber(setting::kDifference));
  EXPECT_EQ(60, m_store.GetNumber(setting::kUpdatePeriod));
  EXPECT_EQ(0u, ValueCount(kStorePath));  // the key exists, with nothing in it
  EXPECT_FALSE(m_store.IsOffline());
}

TEST_F(RegistrySettingsTest, NumbersAreAnyFourByteValueWhateverItsType) {
  struct Case {
    const char* what;
    DWORD type;
    std::vector<BYTE> data;
    LONG expected;
  } cases[] = {
      {"dword", REG_DWORD, {0xFF, 0xFF, 0xFF, 0xFF}, -1},
      {"4-byte binary", REG_BINARY, {0x78, 0x56, 0x34, 0x12}, 0x12345678},
      {"3 characters + zero", REG_SZ, {'a', 'b', 'c', 0}, 0x00636261},
      {"big-endian dword", REG_DWORD_BIG_ENDIAN, {1, 0, 0, 0}, 1},
      {"8-byte qword", REG_QWORD, {5, 0, 0, 0, 0, 0, 0, 0}, 0x20004},
      {"3-byte binary", REG_BINARY, {5, 0, 0}, 0x20004},
      {"empty binary", REG_BINARY, {}, 0x20004},
      {"2 characters + zero", REG_SZ, {'a', 'b', 0}, 0x20004},
  };
  for (const Case& c : cases) {
    PutRaw(setting::kDifference, c.type, c.data);
    EXPECT_EQ(c.expected, m_store.GetNumber(setting::kDifference)) << c.what;
  }
  EXPECT_FALSE(m_store.IsOffline());
}

TEST_F(RegistrySettingsTest, TextsAreOnlyRegSzAndNeedNoTerminator) {
  struct Case {
    const char* what;
    DWORD type;
    std::vector<BYTE> data;
    const char* expected;
  } cases[] = {
      {"terminated", REG_SZ, {'a', 'b', 'c', 0}, "abc"},
      {"no terminator", REG_SZ, {'a', 'b', 'c'}, "abc"},
      {"empty", REG_SZ, {}, ""},
      {"inner zero", REG_SZ, {'a', 'b', 0, 'c', 'd', 0}, "ab"},
      {"expand_sz", REG_EXPAND_SZ, {'%', 'T', 'E', 'M', 'P', '%', 0}, "fallback"},
      {"multi_sz", REG_MULTI_SZ, {'a', 0, 'b', 0, 0}, "fallback"},
      {"binary", REG_BINARY, {'a', 'b', 'c', 0}, "fallback"},
      {"dword", REG_DWORD, {1, 0, 0, 0}, "fallback"},
  };
  for (const Case& c : cases) {
    PutRaw("Probe", c.type, c.data);
    EXPECT_EQ(c.expected, m_store.GetText("Probe")) << c.what;
  }
  PutRaw(setting::kHolidayFile, REG_EXPAND_SZ, {'x', 0});
  EXPECT_EQ("", m_store.GetText(setting::kHolidayFile));
}

TEST_F(RegistrySettingsTest, WritesStoreDwordsAndRegSzTextsThatReadBack) {
  const std::string texts[] = {"C:\\Lists\\holidays.tvh", "", "http://127.0.0.1:8000/x.tvh",
                               std::string(3000, 'q')};
  for (const std::string& text : texts) {
    EXPECT_TRUE(m_store.SetText(setting::kHolidayFile, text));
    DWORD type = 0;
    std::vector<BYTE> raw;
    ASSERT_TRUE(GetRaw(kStorePath, setting::kHolidayFile, type, raw));
    EXPECT_EQ(DWORD(REG_SZ), type);
    EXPECT_EQ(text, std::string(raw.begin(), raw.end()).substr(0, text.size()));
    EXPECT_EQ(text, m_store.GetText(setting::kHolidayFile));
  }

  const LONG numbers[] = {0, 1, -1, 0x7FFFFFFF, LONG(0x80000000), 0x40003};
  for (LONG n : numbers) {
    EXPECT_TRUE(m_store.SetNumber(setting::kDifference, n));
    DWORD type = 0;
    std::vector<BYTE> raw;
    ASSERT_TRUE(GetRaw(kStorePath, setting::kDifference, type, raw));
    EXPECT_EQ(DWORD(REG_DWORD), type);
    ASSERT_EQ(4u, raw.size());
    EXPECT_EQ(BYTE(n), raw[0]);
    EXPECT_EQ(BYTE(DWORD(n) >> 24), raw[3]);
    EXPECT_EQ(n, m_store.GetNumber(setting::kDifference));
  }
}

TEST_F(RegistrySettingsTest, DefaultsMatchCaseExactlyWhileTheRegistryDoesNot) {
  // No stored value: only the exact name has a default; the first one added wins.
  EXPECT_EQ(0x20004, m_store.GetNumber(setting::kDifference));
  EXPECT_EQ(0, m_store.GetNumber("difference"));
  EXPECT_EQ(0, m_store.GetNumber("DIFFERENCE"));
  EXPECT_EQ(77, m_store.GetNumber("Probe"));
  EXPECT_EQ("fallback", m_store.GetText("Probe"));
  EXPECT_EQ("", m_store.GetText("probe"));
  EXPECT_EQ(0, m_store.GetNumber("NoSuchSetting"));
  EXPECT_EQ("", m_store.GetText("NoSuchSetting"));

  // A stored value is found under any case.
  EXPECT_TRUE(m_store.SetNumber(setting::kDifference, 9));
  EXPECT_EQ(9, m_store.GetNumber("DIFFERENCE"));
  EXPECT_TRUE(m_store.SetText("holidayfile", "h.tvh"));
  EXPECT_EQ("h.tvh", m_store.GetText(setting::kHolidayFile));

  // Texts and numbers keep separate defaults.
  EXPECT_EQ(0, m_store.GetNumber(setting::kHolidayCacheFile));
  EXPECT_EQ("", m_store.GetText(setting::kUpdatePeriod));
}

// Wine refuses to create an ordinary key below a volatile one, which makes
// the store's open fail for real; replacing the volatile key by an ordinary
// one then makes the same path usable again.
TEST_F(RegistrySettingsTest, OfflineAfterAFailedOpenForTheRestOfTheRun) {
  const char volatilePath[] = "Software\\QRV\\TempovistaTests\\Settings\\Volatile";
  const char storePath[] = "Software\\QRV\\TempovistaTests\\Settings\\Volatile\\Store\\";
  // The parent first, as an ordinary key: Wine would make every missing
  // part of the path volatile, and nothing ordinary could return below it.
  HKEY key;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_CURRENT_USER, kTestRoot, &key));
  RegCloseKey(key);
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, volatilePath, 0, nullptr,
                                           REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                                           nullptr));
  RegCloseKey(key);

  CRegistrySettings store;
  store.SetRoot(HKEY_CURRENT_USER, storePath);
  store.AddNumberDefaults(kNumberDefaults, kNumberDefaultCount);
  store.AddTextDefaults(kProbeTexts, 1);
  EXPECT_EQ(60, store.GetNumber(setting::kUpdatePeriod));
  ASSERT_TRUE(store.IsOffline());

  // The registry becomes usable, and holds values the store must not see.
  ASSERT_EQ(ERROR_SUCCESS, RegDeleteTreeA(HKEY_CURRENT_USER, volatilePath));
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_CURRENT_USER, storePath, &key));
  const DWORD stored = 5;
  RegSetValueExA(key, setting::kUpdatePeriod, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&stored), 4);
  RegSetValueExA(key, "Probe", 0, REG_SZ, reinterpret_cast<const BYTE*>("on disk"), 8);
  RegCloseKey(key);

  EXPECT_EQ(60, store.GetNumber(setting::kUpdatePeriod));
  EXPECT_EQ("fallback", store.GetText("Probe"));
  EXPECT_FALSE(store.SetNumber(setting::kWindowHide, 1));
  EXPECT_FALSE(store.SetText(setting::kHolidayFile, "lost.tvh"));
  EXPECT_TRUE(store.IsOffline());

  DWORD type;
  std::vector<BYTE> raw;
  EXPECT_FALSE(GetRaw(storePath, setting::kWindowHide, type, raw));
  EXPECT_FALSE(GetRaw(storePath, setting::kHolidayFile, type, raw));
  EXPECT_EQ(2u, ValueCount(storePath));
}

}  // namespace
