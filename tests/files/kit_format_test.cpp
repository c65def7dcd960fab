// The kit file text and the kit name taken from a kit file's name.
#include "files/kit_format.h"

#include <gtest/gtest.h>

namespace {

TEST(KitFormat, TheFirstTenFieldsAreTheRowNamesAsTheyStand) {
  kit::RowNames names;
  std::string why;
  // No trimming: line breaks and spaces belong to the names; an empty field is
  // a name, not an empty row.
  const std::string ten = "a.wav\n* b.wav**d.wav*Empty*Empty*Empty*Empty*a.wav*j.wav";
  for (const std::string& text : {ten, ten + "*", ten + "*more*fields*"}) {
    ASSERT_TRUE(kit::ReadKitFile(text, names, why)) << text;
    EXPECT_EQ(kit::WriteKitFile(names), ten + "*");
  }
  EXPECT_EQ(names[0] + "|" + names[1] + "|" + names[2], "a.wav\n| b.wav|");

  const kit::RowNames before = names;
  const std::pair<const char*, const char*> refused[] = {{"a*b*c*d*e*f*g*h*i", "holds 9 row names"},
                                                         {"", "it is empty."}};
  for (const auto& [text, reason] : refused) {
    EXPECT_FALSE(kit::ReadKitFile(text, names, why)) << text;
    EXPECT_NE(why.find(reason), std::string::npos) << why;
    EXPECT_EQ(names, before);
  }
}

TEST(KitFormat, KitNameFromTheFileName) {
  const std::pair<const char*, const char*> cases[] = {
      {"Rock.trk", "Rock"}, {"My.Rock.trk", "My"}, {"Rock.txt", "Rock.txt"}, {"Rock.TRK", "Rock"}};
  for (const auto& [file, kit] : cases) EXPECT_EQ(kit::KitNameFromFileName(file), kit) << file;
}

}  // namespace
