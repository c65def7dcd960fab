#include <gtest/gtest.h>

#include "platform/application.h"
#include "platform/files.h"
#include "platform/testing.h"

namespace {

using fw::testing::DialogKind;

class DialogSeam : public ::testing::Test {
 protected:
  void TearDown() override {
    fw::testing::ClearDialogAnswerer();
    fw::testing::ClearMessages();
  }
};

TEST_F(DialogSeam, AnswererChoosesOrCancels) {
  std::vector<std::pair<DialogKind, std::string>> asked;
  std::string answer = "/tmp/My Pattern";
  fw::testing::SetDialogAnswerer([&](DialogKind kind, const std::string& suggested) {
    asked.emplace_back(kind, suggested);
    return answer;
  });
  auto saved = fw::SaveAsDialog("Bank 1", "Pattern Save");
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->Path(), "/tmp/My Pattern");

  fw::DialogOptions o;
  o.InitialDirectory = std::make_shared<fw::FolderItem>("/tmp/TKTRKits");
  EXPECT_TRUE(fw::ShowSelectFolderDialog(o));
  answer = "";
  EXPECT_EQ(fw::OpenDialog({}, "Select a Pattern file"), nullptr);
  EXPECT_EQ(fw::GetOpenFolderItem({}), nullptr);

  ASSERT_EQ(asked.size(), 4u);
  EXPECT_EQ(asked[0], std::make_pair(DialogKind::SaveAs, std::string("Bank 1")));
  EXPECT_EQ(asked[1], std::make_pair(DialogKind::SelectFolder, std::string("/tmp/TKTRKits")));
  EXPECT_EQ(asked[2].first, DialogKind::Open);
  EXPECT_EQ(asked[3].first, DialogKind::Open);
}

TEST_F(DialogSeam, MessageBoxesAreRecordedInOrder) {
  fw::testing::SetDialogAnswerer([](DialogKind, const std::string&) { return std::string(); });
  fw::MsgBox("I can't find kick.wav!");
  fw::MsgBox("");
  EXPECT_EQ(fw::testing::Messages(), (std::vector<std::string>{"I can't find kick.wav!", ""}));
}

}  // namespace
