// Writes that fail halfway, into a folder on a nearly full disk. Run alone by
// tools/full-disk-tests.sh, which provides that folder (TV_FULL_DISK, of
// TV_FULL_DISK_SIZE bytes); disabled in the ordinary run.
#include <cstdlib>

#include "ListTestSupport_win.h"
#include "base/ProgramNames.h"
#include "lists/DateListIO.h"

using namespace listtest;

namespace {

using Strings = std::vector<std::string>;

class FullDisk : public ListTest {
 protected:
  void SetUp() override {
    ListTest::SetUp();
    const char* size = std::getenv("TV_FULL_DISK_SIZE");
    m_dir = TestEnvPath("TV_FULL_DISK");
    ASSERT_TRUE(!m_dir.empty() && size) << "run by tools/full-disk-tests.sh";
    for (const std::string& file : FilesIn(m_dir)) DeleteFileA(File(file).c_str());
    m_settings.SetText(setting::kHolidayCacheFile, File("TVcache.tvh"));
    m_limit = std::strtoul(size, nullptr, 10);
  }
  // A list whose text is larger than the disk.
  DateRecordList Oversized() const {
    DateRecordList list;
    const std::string name(100000, 'n');
    for (size_t size = 0; size <= m_limit; size += name.size())
      list.push_back(DateRecord{name, COleDateTime(2004, 1, 1, 0, 0, 0), true});
    return list;
  }
  size_t m_limit = 0;
};

TEST_F(FullDisk, DISABLED_AFailedSaveLeavesThePreviousFileIntact) {
  const std::string before = "!Version: 1.0\r\nPrevious|2004/01/01\r\n";
  WriteBytes(File("h.tvh"), before);
  m_owner.m_holidays = Oversized();
  EXPECT_FALSE(SaveDateList(DateListKind::Holidays, m_owner, File("h.tvh"), true, false, true));
  ASSERT_EQ(1u, m_boxes.size());
  EXPECT_EQ("A generic error occurred while saving to file \n" + File("h.tvh") +
                "\n\nPlease specify another location before trying again.",
            m_boxes[0].text);
  EXPECT_EQ(UINT(MB_OK | MB_ICONSTOP), m_boxes[0].type);
  EXPECT_EQ(before, ReadBytes(File("h.tvh")));
  EXPECT_EQ(Strings{"h.tvh"}, FilesIn(m_dir));  // no half-written file left behind
  EXPECT_EQ("", m_settings.GetText(setting::kHolidayFile));

  // Into a new file: nothing is left where there was nothing.
  EXPECT_FALSE(SaveDateList(DateListKind::Holidays, m_owner, File("new.tvh"), true, true, true));
  EXPECT_EQ(Strings{"h.tvh"}, FilesIn(m_dir));
}

// The source, larger than the disk, lies elsewhere.
TEST_F(FullDisk, DISABLED_ACacheThatCannotBeWrittenKeepsItsOldTextAndTheListStays) {
  const std::string location = TestEnvPath("TV_LARGE_SOURCE");
  ASSERT_FALSE(location.empty());
  WIN32_FILE_ATTRIBUTE_DATA data{};
  ASSERT_TRUE(GetFileAttributesExA(location.c_str(), GetFileExInfoStandard, &data));
  ASSERT_GT(data.nFileSizeLow, m_limit);
  WriteBytes(Cache(), "Cached|2004/03/01\n");
  m_owner.m_holidays = Records({"kept"});
  EXPECT_FALSE(LoadDateList(DateListKind::Holidays, m_owner, location, true, true, false));
  EXPECT_EQ(Strings{"kept"}, Names(m_owner.m_holidays));
  EXPECT_EQ("Cached|2004/03/01\n", ReadBytes(Cache()));
  EXPECT_EQ("", m_settings.GetText(setting::kHolidayFile));
  EXPECT_TRUE(m_boxes.empty());
}

}  // namespace
