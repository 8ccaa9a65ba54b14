// Saving replaces the records file whole or not at all.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include <filesystem>
#include <fstream>

#include "records/data_file.h"
#include "records/line_image.h"
#include "support/game_fixture.h"

namespace vemo::testing {
namespace {

namespace fs = std::filesystem;

class RecordsSaveTest : public GameTest {
 protected:
  static std::string contentOf(const fs::path& path) { return ReadWholeFile(path.string()); }
  static void write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  }
  static mode_t modeOf(const fs::path& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0);
    return st.st_mode & 07777;
  }
  static std::vector<std::string> entries(const fs::path& dir = ".") {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  bool save() {
    return form->OnDialogEvent([this] { form->SaveData(); });
  }
  void expectCreateError() {
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(desktop.messages[0].text, "Cannot create file data.");
  }
  static bool looksSaved(const std::string& bytes) { return bytes.find("\r\n1110111\r\n15\r\n") != std::string::npos; }
};

TEST_F(RecordsSaveTest, ANewFileIsCreatedAndNoTemporaryFileStays) {
  fs::remove("data");
  EXPECT_TRUE(save());
  EXPECT_TRUE(looksSaved(contentOf("data")));
  EXPECT_EQ(entries(), std::vector<std::string>{"data"});
}

TEST_F(RecordsSaveTest, AReadOnlyFileIsLeftAloneWithAnError) {
  write("data", "old content\r\n");
  fs::permissions("data", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_FALSE(save());
  expectCreateError();
  EXPECT_EQ(contentOf("data"), "old content\r\n");
  EXPECT_EQ(entries(), std::vector<std::string>{"data"});
}

TEST_F(RecordsSaveTest, TheReplacedFileKeepsItsPermissions) {
  write("data", "old\r\n");
  ::chmod("data", 0640);
  EXPECT_TRUE(save());
  EXPECT_EQ(modeOf("data"), 0640u);
  EXPECT_TRUE(looksSaved(contentOf("data")));
}

TEST_F(RecordsSaveTest, ALinkedFileIsReplacedAndTheLinkKept) {
  fs::remove("data");
  fs::create_directory("store");
  write("store/records.txt", "old\r\n");
  ::chmod("store/records.txt", 0604);
  fs::create_symlink("store/records.txt", "data");
  EXPECT_TRUE(save());
  EXPECT_TRUE(fs::is_symlink("data"));
  EXPECT_EQ(fs::read_symlink("data"), "store/records.txt");
  EXPECT_TRUE(looksSaved(contentOf("store/records.txt")));
  EXPECT_EQ(modeOf("store/records.txt"), 0604u);
  EXPECT_EQ(entries("store"), std::vector<std::string>{"records.txt"});
}

TEST_F(RecordsSaveTest, AChainOfLinksLeadsToTheFile) {
  fs::remove("data");
  fs::create_directory("a");
  write("a/real", "old\r\n");
  fs::create_symlink("real", "a/link");  // relative to its own directory
  fs::create_symlink("a/link", "data");
  EXPECT_TRUE(save());
  EXPECT_TRUE(fs::is_symlink("a/link"));
  EXPECT_TRUE(looksSaved(contentOf("a/real")));
}

TEST_F(RecordsSaveTest, ALinkToAFileThatCannotBeCreatedFails) {
  fs::remove("data");
  fs::create_symlink("no-such-directory/records", "data");
  EXPECT_FALSE(save());
  expectCreateError();
  EXPECT_TRUE(fs::is_symlink("data"));
}

TEST_F(RecordsSaveTest, ALinkLoopFails) {
  fs::remove("data");
  fs::create_symlink("data", "data");
  EXPECT_FALSE(save());
  expectCreateError();
}

TEST_F(RecordsSaveTest, ADirectoryNamedDataCanBeNeitherWrittenNorRead) {
  fs::remove("data");
  fs::create_directory("data");
  EXPECT_FALSE(save());
  expectCreateError();
  EXPECT_TRUE(fs::is_directory("data"));
  EXPECT_FALSE(form->OnDialogEvent([this] { form->LoadData(); }));
  EXPECT_EQ(desktop.messages.back().text, "Cannot open file data.");
}

TEST_F(RecordsSaveTest, AFailedSaveInLoadingStopsTheLoadBeforeTheCursor) {
  // A tampered file that cannot be rewritten: the warning, then the error.
  LineImage image = SplitLines(contentOf("data"));
  image.set(15, "1");
  write("data", JoinLines(image));
  fs::permissions("data", fs::perms::owner_read);
  desktop.cursorVisible = false;
  EXPECT_FALSE(form->OnDialogEvent([this] { form->LoadData(); }));
  ASSERT_EQ(desktop.messages.size(), 2u);
  EXPECT_EQ(desktop.messages[0].kind, MessageKind::Warning);
  EXPECT_EQ(desktop.messages[1].text, "Cannot create file data.");
  EXPECT_FALSE(desktop.cursorVisible);
}

TEST_F(RecordsSaveTest, AWriteThatFailsHalfWayLeavesTheOldFileWhole) {
  write("data", "old content\r\n");
  // A disk that fills after 512 bytes: write() fails with EFBIG, the signal ignored.
  rlimit saved {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 512;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = save();
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(written);
  expectCreateError();
  EXPECT_EQ(contentOf("data"), "old content\r\n");
  EXPECT_EQ(entries(), std::vector<std::string>{"data"});
}

}  // namespace
}  // namespace vemo::testing
