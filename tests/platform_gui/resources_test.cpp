// Resources by number: the program's pictures and its sound, or nothing.
#include "platform/resources.h"

#include <gtest/gtest.h>

#include "platform/picture.h"
#include "platform/sound.h"

namespace {

TEST(Resources, PicturesAndSoundsByNumber) {
  fw::PictureRef skin = fw::GetPicture(205);
  ASSERT_TRUE(skin);
  EXPECT_EQ(skin->Width(), 670);
  EXPECT_EQ(skin->Height(), 478);
  EXPECT_NE(fw::GetPicture(205), skin);  // nothing cached: the caller caches
  EXPECT_TRUE(fw::GetSound(168));
  EXPECT_EQ(fw::GetPicture(1), nullptr);
  EXPECT_EQ(fw::GetPicture(-5), nullptr);
  EXPECT_EQ(fw::GetSound(1), nullptr);
}

}  // namespace
