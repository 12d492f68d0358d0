// Saving over a file others have a stake in: its attributes stay, a file
// another program holds open is still written, and no temporary file stays.
#include <cstdlib>

#include "ListTestSupport_win.h"
#include "lists/ListFileWriter.h"
#include "support/ChildTest_win.h"

using namespace listtest;

namespace {

using Strings = std::vector<std::string>;

const char kHoldFile[] = "TV_HOLD_FILE";
const char kHoldReady[] = "TV_HOLD_READY";
const char kHoldRelease[] = "TV_HOLD_RELEASE";

// Run in a second copy of this program: holds the file open for reading,
// sharing reading and writing but not deletion, until told to let go.
TEST(FileHolder, DISABLED_HoldsTheFileNamedInTheEnvironment) {
  const char* path = std::getenv(kHoldFile);
  ASSERT_NE(path, nullptr) << "a helper of HeldOpenByAnotherProgram, started by it";
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, file);
  HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, std::getenv(kHoldReady));
  HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, std::getenv(kHoldRelease));
  ASSERT_TRUE(ready && release);
  SetEvent(ready);
  WaitForSingleObject(release, 60000);
  CloseHandle(file);
  CloseHandle(ready);
  CloseHandle(release);
}

// The helper above, started on `path`; ends it on destruction.
class FileHeldOpen {
 public:
  explicit FileHeldOpen(const std::string& path) {
    const std::string id = std::to_string(GetCurrentProcessId());
    const std::string readyName = "TempovistaTestsHoldReady" + id;
    const std::string releaseName = "TempovistaTestsHoldRelease" + id;
    m_ready = CreateEventA(nullptr, TRUE, FALSE, readyName.c_str());
    m_release = CreateEventA(nullptr, TRUE, FALSE, releaseName.c_str());
    SetEnvironmentVariableA(kHoldFile, path.c_str());
    SetEnvironmentVariableA(kHoldReady, readyName.c_str());
    SetEnvironmentVariableA(kHoldRelease, releaseName.c_str());
    if (StartChildTest("FileHolder.DISABLED_HoldsTheFileNamedInTheEnvironment", &m_process)) {
      HANDLE waits[] = {m_ready, m_process.hProcess};
      m_holding = WaitForMultipleObjects(2, waits, FALSE, 30000) == WAIT_OBJECT_0;
    }
    SetEnvironmentVariableA(kHoldFile, nullptr);
  }
  ~FileHeldOpen() {
    SetEvent(m_release);
    if (m_process.hProcess) {
      if (WaitForSingleObject(m_process.hProcess, 30000) != WAIT_OBJECT_0)
        TerminateProcess(m_process.hProcess, 1);
      CloseHandle(m_process.hProcess);
      CloseHandle(m_process.hThread);
    }
    CloseHandle(m_ready);
    CloseHandle(m_release);
  }
  bool Holding() const { return m_holding; }

 private:
  HANDLE m_ready = nullptr;
  HANDLE m_release = nullptr;
  PROCESS_INFORMATION m_process{};
  bool m_holding = false;
};

class ListFileWriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = FreshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
    for (const std::string& file : FilesIn(m_dir)) {
      SetFileAttributesA(File(file).c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(File(file).c_str());
    }
  }
  std::string File(const std::string& name) const { return m_dir + "\\" + name; }
  std::string m_dir;
};

TEST_F(ListFileWriterTest, AReplacedFileKeepsItsAttributes) {
  const DWORD cases[] = {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM};
  for (const DWORD attributes : cases) {
    SCOPED_TRACE(attributes);
    const std::string path = File("h.tvh");
    WriteBytes(path, "old and longer text\r\n");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), attributes));
    EXPECT_EQ(FileWriteResult::Written, WriteWholeFile(path, "new\r\n"));
    EXPECT_EQ("new\r\n", ReadBytes(path));
    // A written file is marked for archiving, as any write marks it.
    EXPECT_EQ(attributes, GetFileAttributesA(path.c_str()) & ~DWORD(FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_EQ(Strings{"h.tvh"}, FilesIn(m_dir));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  }
}

TEST_F(ListFileWriterTest, AFileAnotherProgramHoldsOpenIsWrittenInPlace) {
  const std::string path = File("held.tvh");
  WriteBytes(path, "old and longer text\r\n");
  FileHeldOpen holder(path);
  ASSERT_TRUE(holder.Holding());
  // The holder does not allow the file to be deleted, nor so replaced.
  HANDLE removal = CreateFileA(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_EQ(INVALID_HANDLE_VALUE, removal);
  EXPECT_EQ(FileWriteResult::Written, WriteWholeFile(path, "new\r\n"));
  EXPECT_EQ("new\r\n", ReadBytes(path));
  EXPECT_EQ(Strings{"held.tvh"}, FilesIn(m_dir));  // the swap's temporary file is gone
}

}  // namespace
