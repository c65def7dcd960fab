// The kit file text and the kit name taken from a kit file's name.
#include "files/kit_format.h"

#include <gtest/gtest.h>

namespace {

kit::RowNames Empties() {
  kit::RowNames n;
  n.fill("Empty");
  return n;
}

TEST(KitFormat, WritesNamesEachFollowedByAStar) {
  EXPECT_EQ(kit::WriteKitFile(Empties()),
            "Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*");
  auto names = Empties();
  names[0] = "kick.aif";
  EXPECT_EQ(kit::WriteKitFile(names),
            "kick.aif*Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*");
}

TEST(KitFormat, ReadsTheFirstTenFieldsAsTheyStand) {
  kit::RowNames names;
  std::string why;
  ASSERT_TRUE(kit::ReadKitFile(kit::WriteKitFile(Empties()), names, why));
  EXPECT_EQ(names, Empties());

  const std::string ten = "a.wav*b.wav*Empty*d.wav*Empty*Empty*Empty*Empty*a.wav*j.wav";
  for (const std::string& text : {ten, ten + "*", ten + "*more*fields*"}) {
    ASSERT_TRUE(kit::ReadKitFile(text, names, why)) << text;
    EXPECT_EQ(names[0], "a.wav");
    EXPECT_EQ(names[8], "a.wav");
    EXPECT_EQ(names[9], "j.wav");
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
  kit::RowNames names = Empties();
  std::string why;
  EXPECT_FALSE(kit::ReadKitFile("a*b*c*d*e*f*g*h*i", names, why));  // eight "*": nine fields
  EXPECT_EQ(names, Empties());
  EXPECT_NE(why.find("holds 9 row names"), std::string::npos) << why;
  EXPECT_FALSE(kit::ReadKitFile("a*b", names, why));
  EXPECT_NE(why.find("holds 2 row names"), std::string::npos) << why;
  EXPECT_FALSE(kit::ReadKitFile("", names, why));
  EXPECT_EQ(why, "it is empty.");
  EXPECT_EQ(names, Empties());
}

TEST(KitFormat, KitNameFromTheFileName) {
  EXPECT_EQ(kit::KitNameFromFileName("Rock.trk"), "Rock");
  EXPECT_EQ(kit::KitNameFromFileName("My.Rock.trk"), "My");
  EXPECT_EQ(kit::KitNameFromFileName(".trk"), "");
  EXPECT_EQ(kit::KitNameFromFileName("Rock.txt"), "Rock.txt");
  EXPECT_EQ(kit::KitNameFromFileName("Rock"), "Rock");
  EXPECT_EQ(kit::KitNameFromFileName("trk"), "trk");
  // The program's one text comparison ignores letter case.
  EXPECT_EQ(kit::KitNameFromFileName("Rock.TRK"), "Rock");
}

}  // namespace
