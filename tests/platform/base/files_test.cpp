#include "platform/base/files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "platform/ui/picture.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/unwritten_pipe.h"

namespace fs = std::filesystem;

namespace {

class Files : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("files_test_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
    for (auto& e : fs::recursive_directory_iterator(dir_, ec)) {
      fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(dir_, ec);
  }
  static std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  static void Write(const fs::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
  }
  // Names in the folder, to see that no temporary file was left behind.
  size_t Entries() const {
    return static_cast<size_t>(
        std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
  }
  fw::FolderItemRef Item(const std::string& name) const {
    return std::make_shared<fw::FolderItem>(dir_ / name);
  }
  fs::path dir_;
};

TEST_F(Files, ChildRefusesNamesThatLeaveTheFolder) {
  fw::FolderItem folder(dir_);
  for (const std::string& bad :
       std::vector<std::string>{"", ".", "..", "a/b", "/", std::string("a\0b", 3)}) {
    EXPECT_EQ(folder.Child(bad), nullptr) << bad;
  }
  auto child = folder.Child("Default Kit.trk");
  ASSERT_TRUE(child);
  EXPECT_EQ(child->Path(), dir_ / "Default Kit.trk");
  EXPECT_EQ(child->Name(), "Default Kit.trk");
  EXPECT_FALSE(child->Exists());
  EXPECT_EQ(child->Parent()->Path(), dir_);
  EXPECT_EQ(fw::FolderItem(dir_.string() + "/").Name(), dir_.filename().string());
  EXPECT_EQ(fw::FolderItem("/").Parent(), nullptr);
}

TEST_F(Files, TextFileAppearsOnlyWhenClosed) {
  Write(dir_ / "bank", "old");
  auto out = Item("bank")->CreateTextFile();
  ASSERT_TRUE(out);
  EXPECT_TRUE(out->Write("new "));
  EXPECT_TRUE(out->Write("content"));
  EXPECT_EQ(Read(dir_ / "bank"), "old");  // still the old file while writing
  EXPECT_TRUE(out->Close());
  EXPECT_EQ(Read(dir_ / "bank"), "new content");
  EXPECT_EQ(Entries(), 1u);

  auto in = Item("bank")->OpenAsTextFile();
  ASSERT_TRUE(in);
  EXPECT_EQ(in->ReadAll(), "new content");
  EXPECT_EQ(in->ReadAll(), "");  // everything was read
}

TEST_F(Files, AbandonedOrFailedWriteKeepsTheOldFile) {
  Write(dir_ / "bank", "old");
  {
    auto out = Item("bank")->CreateTextFile();
    ASSERT_TRUE(out);
    out->Write("half");
  }  // never closed: discarded
  EXPECT_EQ(Read(dir_ / "bank"), "old");
  EXPECT_EQ(Entries(), 1u);

  // The target turns into a folder before the file is closed: the rename fails.
  auto out = Item("later")->CreateTextFile();
  ASSERT_TRUE(out);
  fs::create_directory(dir_ / "later");
  Write(dir_ / "later" / "inside", "x");
  out->Write("text");
  EXPECT_FALSE(out->Close());
  EXPECT_FALSE(out->Write("more"));
  EXPECT_EQ(Read(dir_ / "later" / "inside"), "x");
  EXPECT_EQ(Entries(), 2u);

  auto folder = Item("later");
  EXPECT_EQ(folder->CreateTextFile(), nullptr);  // a folder is in the way
  EXPECT_FALSE(folder->LastError().empty());
  Write(dir_ / "plain", "p");
  EXPECT_EQ(Item("plain/x")->CreateTextFile(), nullptr);  // a file is no folder
  EXPECT_EQ(Read(dir_ / "plain"), "p");
  EXPECT_EQ(Item("missing")->OpenAsTextFile(), nullptr);
  EXPECT_EQ(Item("later")->OpenAsTextFile(), nullptr);
  testsupport::UnwrittenPipe pipe(dir_ / "pipe");
  EXPECT_EQ(Item("pipe")->OpenAsTextFile(), nullptr);
  EXPECT_FALSE(pipe.BlockedAReader());
}

TEST_F(Files, WriteThatCannotStartChangesNothing) {
  // A file where the folder should be: nothing can be created in it, as in a
  // read-only folder, and even for root.
  Write(dir_ / "kits", "old");
  auto item = Item("kits/bank");
  EXPECT_EQ(item->CreateTextFile(), nullptr);
  EXPECT_FALSE(item->LastError().empty());
  Write(dir_ / "src", "new");
  EXPECT_FALSE(Item("src")->CopyFileTo(item));
  EXPECT_EQ(Read(dir_ / "kits"), "old");
  EXPECT_EQ(Entries(), 2u);
}

TEST_F(Files, CopyReplacesOnlyWhenComplete) {
  Write(dir_ / "kick.wav", std::string(200000, 'k'));
  fs::create_directory(dir_ / "kit");
  auto kit = Item("kit");
  // Into a folder under its own name.
  ASSERT_TRUE(Item("kick.wav")->CopyFileTo(kit));
  EXPECT_EQ(Read(dir_ / "kit" / "kick.wav"), std::string(200000, 'k'));

  // Onto an existing, longer file: replaced completely, nothing of it left.
  Write(dir_ / "short", "abc");
  Write(dir_ / "long", std::string(500, 'z'));
  ASSERT_TRUE(Item("short")->CopyFileTo(Item("long")));
  EXPECT_EQ(Read(dir_ / "long"), "abc");
  EXPECT_EQ(Entries(), 4u);  // kick.wav, kit, short, long: no temporary file

  // A missing source or destination folder fails and creates nothing.
  auto none = Item("none");
  EXPECT_FALSE(none->CopyFileTo(kit));
  EXPECT_FALSE(none->LastError().empty());
  EXPECT_FALSE(Item("short")->CopyFileTo(Item("nofolder/x")));
  EXPECT_FALSE(Item("kit")->CopyFileTo(Item("long")));  // a folder is not copied
  EXPECT_FALSE(Item("short")->CopyFileTo(nullptr));
  EXPECT_EQ(Read(dir_ / "long"), "abc");
}

TEST_F(Files, CopyOntoItselfKeepsTheContent) {
  Write(dir_ / "snare.wav", "snare data");
  fs::create_hard_link(dir_ / "snare.wav", dir_ / "link.wav");
  fs::create_directory(dir_ / "sub");
  // Directly, into its own folder, through another spelling and through a hard link.
  EXPECT_TRUE(Item("snare.wav")->CopyFileTo(Item("snare.wav")));
  EXPECT_TRUE(Item("snare.wav")->CopyFileTo(std::make_shared<fw::FolderItem>(dir_)));
  EXPECT_TRUE(Item("snare.wav")->CopyFileTo(Item("sub/../snare.wav")));
  EXPECT_TRUE(Item("snare.wav")->CopyFileTo(Item("link.wav")));
  EXPECT_EQ(Read(dir_ / "snare.wav"), "snare data");
  EXPECT_EQ(fs::hard_link_count(dir_ / "snare.wav"), 2u);
  EXPECT_EQ(Entries(), 3u);
}

TEST_F(Files, FoldersAndTheApplicationFolder) {
  auto folder = Item("Patterns");
  EXPECT_TRUE(folder->CreateAsFolder());
  EXPECT_TRUE(folder->CreateAsFolder());  // exists already: still true
  EXPECT_TRUE(folder->Directory());
  Write(dir_ / "file", "x");
  EXPECT_FALSE(Item("file")->CreateAsFolder());

  fw::SetApplicationFolder(dir_);
  EXPECT_EQ(fw::GetFolderItem("")->Path(), dir_);
  EXPECT_EQ(fw::GetFolderItem("Patterns")->Path(), dir_ / "Patterns");
  EXPECT_EQ(fw::GetFolderItem("/tmp")->Path(), fs::path("/tmp"));
  fw::SetApplicationFolder({});
  char exe[4096] = {};
  ASSERT_GT(::readlink("/proc/self/exe", exe, sizeof exe - 1), 0);
  EXPECT_EQ(fw::ApplicationFolder()->Path(), fs::path(exe).parent_path());
}

TEST_F(Files, SaveAsPictureReplacesTheFileOrRefuses) {
  auto pic = fw::NewPicture(4, 2, 32);
  Write(dir_ / "shot", "old");
  ASSERT_TRUE(Item("shot")->SaveAsPicture(pic));
  EXPECT_EQ(Read(dir_ / "shot").substr(1, 3), "PNG");
  EXPECT_FALSE(Item("shot")->SaveAsPicture(nullptr));
  fs::create_directory(dir_ / "folder");
  EXPECT_FALSE(Item("folder")->SaveAsPicture(pic));
  EXPECT_EQ(Entries(), 2u);
}

TEST_F(Files, EveryWriterReportsAFullDiskAndTakesNamesOfAnyLength) {
  Write(dir_ / "src", std::string(4000, 's'));
  auto pic = fw::NewPicture(64, 64, 32);
  for (int i = 0; i < 64; ++i)
    pic->SetPixel(i, (i * 37) % 64, 0x102030u * static_cast<unsigned>(i));
  using Writer = std::function<bool(const fw::FolderItemRef&)>;
  const std::vector<std::pair<std::string, Writer>> writers = {
      {"text",
       [](const fw::FolderItemRef& f) {
         auto out = f->CreateTextFile();
         return out && out->Write(std::string(4000, 't')) && out->Close();
       }},
      {"copy", [this](const fw::FolderItemRef& f) { return Item("src")->CopyFileTo(f); }},
      {"picture", [&pic](const fw::FolderItemRef& f) { return f->SaveAsPicture(pic); }},
  };
  for (const auto& [what, write] : writers) {
    Write(dir_ / "old", "old");
    {
      testsupport::FileSizeLimit limit(64);
      EXPECT_FALSE(write(Item("old"))) << what;
    }
    EXPECT_EQ(Read(dir_ / "old"), "old") << what;
    EXPECT_EQ(Entries(), 2u) << what;
    const std::string longest(255, 'n');
    EXPECT_TRUE(write(Item(longest))) << what;
    fs::remove(dir_ / longest);
  }
}

}  // namespace
