// The asset table: each accessor fetches its own resource once and keeps it.
#include "app/assets.h"

#include <gtest/gtest.h>

#include <memory>

#include "app/asset_cache.h"
#include "platform/picture.h"
#include "platform/sound.h"

namespace {

TEST(AssetCache, KeepsWhatWasFoundAndAsksAgainForWhatWasNot) {
  int calls = 0;
  CachedAsset<int> found;
  auto fetch = [&calls](int n) {
    ++calls;
    return std::make_shared<int>(n);
  };
  auto a = found.Get(170, fetch);
  auto b = found.Get(170, fetch);
  EXPECT_EQ(a, b);
  EXPECT_EQ(calls, 1);

  calls = 0;
  CachedAsset<int> missing;
  auto none = [&calls](int) {
    ++calls;
    return std::shared_ptr<int>();
  };
  EXPECT_EQ(missing.Get(300, none), nullptr);
  EXPECT_EQ(missing.Get(300, none), nullptr);
  EXPECT_EQ(calls, 2);
  EXPECT_FALSE(missing.Loaded());
  EXPECT_EQ(*missing.Get(300, fetch), 300) << "found once it is there";

  found.Release();
  EXPECT_FALSE(found.Loaded());
}

// Every picture accessor brings its own resource: the sizes are those of the
// controls that show them, so a swapped number shows up as a wrong size.
TEST(Assets, EveryPictureHasItsSize) {
  struct Entry {
    fw::PictureRef (*get)();
    const char* name;
    int width, height;
  } table[] = {
      {lilredbutton, "lilredbutton", 13, 12},
      {lilgreenbutton, "lilgreenbutton", 13, 12},
      {twothirdsvolume, "twothirdsvolume", 15, 16},
      {upArrow, "upArrow", 13, 9},
      {downArrow, "downArrow", 13, 9},
      {halfvolume, "halfvolume", 15, 16},
      {clearbutton, "clearbutton", 13, 12},
      {greenbutton, "greenbutton", 15, 16},
      {bluebuttonon, "bluebuttonon", 15, 16},
      {lightstrip, "lightstrip", 512, 15},
      {playbutton, "playbutton", 13, 12},
      {TKtrIcon, "TKtrIcon", 64, 64},
      {barlime, "barlime", 12, 9},
      {barorange, "barorange", 12, 9},
      {barred, "barred", 12, 9},
      {baryellow, "baryellow", 12, 9},
      {bargreen, "bargreen", 12, 9},
      {savepict, "savepict", 59, 20},
      {lilbrownbutton, "lilbrownbutton", 13, 12},
      {lilbluebutton, "lilbluebutton", 13, 12},
      {loadkit, "loadkit", 45, 10},
      {newkit, "newkit", 45, 10},
      {savekit, "savekit", 45, 10},
      {volumebutton, "volumebutton", 19, 10},
      {dice, "dice", 24, 17},
      {clearbuttoncopy, "clearbuttoncopy", 13, 12},
      {TKDrumscopy1, "TKDrumscopy1", 670, 478},
      {gridoff1, "gridoff1", 13, 12},
      {gridon4, "gridon4", 13, 12},
  };
  for (const Entry& e : table) {
    fw::PictureRef pic = e.get();
    ASSERT_NE(pic, nullptr) << e.name;
    EXPECT_EQ(pic->Width(), e.width) << e.name;
    EXPECT_EQ(pic->Height(), e.height) << e.name;
    EXPECT_EQ(e.get(), pic) << e.name << " is fetched once and shared";
  }
  // The Play button's icon and the step lamp sit inside their controls.
  for (auto get : {red, light}) {
    ASSERT_NE(get(), nullptr);
    EXPECT_EQ(get(), get());
  }
}

TEST(Assets, BlankIsOneSilentSound) {
  fw::SoundRef s = blank();
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(blank(), s);
  EXPECT_GT(s->DurationSeconds(), 0.0);
}

}  // namespace
