#include "platform/base/files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "tests/support/file_size_limit.h"
#include "tests/support/unwritten_pipe.h"

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

class Files : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Read(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(dir_ / name, std::ios::binary) << text;
  }
  // Names in the folder, to see that no temporary file was left behind.
  size_t Entries() const {
    return static_cast<size_t>(std::distance(fs::directory_iterator(dir_), {}));
  }
  fw::FolderItemRef Item(const std::string& name) const {
    return std::make_shared<fw::FolderItem>(dir_ / name);
  }
  const fs::path dir_ = fs::temp_directory_path() / ("files_test_" + std::to_string(::getpid()));
};

TEST_F(Files, ATextFileAppearsWholeAndOnlyWhenClosed) {
  Write("bank", "old");
  auto out = Item("bank")->CreateTextFile();
  ASSERT_TRUE(out);
  EXPECT_TRUE(out->Write("new "));
  EXPECT_TRUE(out->Write("content"));
  EXPECT_EQ(Read("bank"), "old");  // still the old file while writing
  EXPECT_TRUE(out->Close());
  EXPECT_EQ(Read("bank"), "new content");
  out = Item("bank")->CreateTextFile();
  out->Write("half");
  out.reset();  // never closed: discarded
  EXPECT_EQ(Read("bank"), "new content");
  EXPECT_EQ(Entries(), 1u);
}

TEST_F(Files, WritesAndReadsThatCannotBeDoneChangeNothing) {
  // The target turns into a folder before the file is closed: the rename fails.
  auto out = Item("later")->CreateTextFile();
  ASSERT_TRUE(out);
  fs::create_directory(dir_ / "later");
  out->Write("text");
  EXPECT_FALSE(out->Close());
  EXPECT_EQ(Item("later")->CreateTextFile(), nullptr);  // a folder is in the way
  // A file where the folder should be: nothing can be created in it, as in a
  // read-only folder, and even for root.
  Write("kits", "old");
  EXPECT_EQ(Item("kits/bank")->CreateTextFile(), nullptr);
  EXPECT_FALSE(Item("kits")->CopyFileTo(Item("kits/bank")));
  EXPECT_FALSE(Item("kits")->CreateAsFolder());
  EXPECT_EQ(Read("kits"), "old");
  EXPECT_EQ(Entries(), 2u);

  EXPECT_EQ(Item("missing")->OpenAsTextFile(), nullptr);
  EXPECT_EQ(Item("later")->OpenAsTextFile(), nullptr);
  testsupport::UnwrittenPipe pipe(dir_ / "pipe");
  EXPECT_EQ(Item("pipe")->OpenAsTextFile(), nullptr);
  EXPECT_FALSE(pipe.BlockedAReader());
  for (const auto& bad : {""s, "."s, ".."s, "a/b"s, "/"s, "a\0b"s})
    EXPECT_EQ(fw::FolderItem(dir_).Child(bad), nullptr) << bad;
}

TEST_F(Files, ACopyReplacesOnlyWhenCompleteAndOntoItselfKeepsTheContent) {
  Write("short", "abc");
  Write("long", std::string(500, 'z'));
  ASSERT_TRUE(Item("short")->CopyFileTo(Item("long")));
  EXPECT_EQ(Read("long"), "abc");

  // Directly, into its own folder, through another spelling and through a hard link.
  fs::create_hard_link(dir_ / "short", dir_ / "link");
  fs::create_directory(dir_ / "sub");
  for (const auto& to :
       {Item("short"), std::make_shared<fw::FolderItem>(dir_), Item("sub/../short"), Item("link")})
    EXPECT_TRUE(Item("short")->CopyFileTo(to)) << to->Path();
  EXPECT_EQ(Read("short"), "abc");
  EXPECT_EQ(fs::hard_link_count(dir_ / "short"), 2u);
}

// Every writer goes through the one write path: one writer shows it.
TEST_F(Files, AFullDiskKeepsTheOldFileAndNamesOfAnyLengthWrite) {
  auto write = [this](const std::string& name) {
    auto out = Item(name)->CreateTextFile();
    return out && out->Write(std::string(4000, 't')) && out->Close();
  };
  Write("old", "old");
  {
    testsupport::FileSizeLimit limit(64);
    EXPECT_FALSE(write("old"));
  }
  EXPECT_EQ(Read("old"), "old");
  EXPECT_EQ(Entries(), 1u);
  EXPECT_TRUE(write(std::string(255, 'n')));
}

}  // namespace
