// The kit file text and the kit name taken from a kit file's name.
#include "files/kit_format.h"

#include <gtest/gtest.h>

namespace {

const std::string kTenEmpty = "Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*";

TEST(KitFormat, WritesNamesEachFollowedByAStarAndReadsTheFirstTenFieldsAsTheyStand) {
  kit::RowNames names;
  names.fill("Empty");
  names[0] = "kick.aif";
  EXPECT_EQ(kit::WriteKitFile(names), "kick.aif*" + kTenEmpty.substr(6));

  std::string why;
  const std::string ten = "a.wav*b.wav*Empty*d.wav*Empty*Empty*Empty*Empty*a.wav*j.wav";
  for (const std::string& text : {ten, ten + "*", ten + "*more*fields*"}) {
    ASSERT_TRUE(kit::ReadKitFile(text, names, why)) << text;
    EXPECT_EQ(kit::WriteKitFile(names), ten + "*");
  }
  // No trimming: line breaks and spaces belong to the names; an empty field is
  // a name, not an empty row.
  ASSERT_TRUE(
      kit::ReadKitFile("a.wav\n* b.wav**Empty*Empty*Empty*Empty*Empty*Empty*Empty*", names, why));
  EXPECT_EQ(names[0], "a.wav\n");
  EXPECT_EQ(names[1], " b.wav");
  EXPECT_EQ(names[2], "");
}

TEST(KitFormat, FewerThanTenFieldsAreRefused) {
  kit::RowNames names, before;
  before.fill("x");
  const std::pair<const char*, const char*> cases[] = {{"a*b*c*d*e*f*g*h*i", "holds 9 row names"},
                                                       {"a*b", "holds 2 row names"},
                                                       {"", "it is empty."}};
  for (const auto& [text, reason] : cases) {
    names = before;
    std::string why;
    EXPECT_FALSE(kit::ReadKitFile(text, names, why)) << text;
    EXPECT_NE(why.find(reason), std::string::npos) << why;
    EXPECT_EQ(names, before);
  }
}

TEST(KitFormat, KitNameFromTheFileName) {
  // The program's one text comparison ignores letter case.
  const std::pair<const char*, const char*> cases[] = {
      {"Rock.trk", "Rock"}, {"My.Rock.trk", "My"}, {".trk", ""},        {"Rock.txt", "Rock.txt"},
      {"Rock", "Rock"},     {"trk", "trk"},        {"Rock.TRK", "Rock"}};
  for (const auto& [file, kit] : cases) EXPECT_EQ(kit::KitNameFromFileName(file), kit) << file;
}

}  // namespace
