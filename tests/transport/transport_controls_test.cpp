// The Play button and the space key: caption, playing flag and the controls
// that playback switches off.
#include <string>
#include <vector>

#include "tests/transport/transport_window.h"

namespace {

class TransportControls : public transporttest::TransportWindow {
 protected:
  // Enabled states of the pattern-file and picture-export controls.
  std::vector<bool> FileControls() const {
    std::vector<bool> out;
    for (const char* name :
         {"SavePattern", "LPattern", "StaticText24", "StaticText25", "SavePicture"})
      out.push_back(w.ControlByName(name)->Enabled());
    return out;
  }
  void ExpectPlaying(bool playing) {
    EXPECT_EQ(w.playon, playing);
    EXPECT_EQ(w.Play().Caption(), playing ? "Stop" : "Play");
    EXPECT_EQ(FileControls(), std::vector<bool>(5, !playing));
  }
  void PaintDisplay(fw::Color c) {
    w.p->Graphics().ForeColor = c;
    w.p->Graphics().FillRect(0, 0, 512, 128);
  }
};

TEST_F(TransportControls, ButtonAndSpaceKeyStartAndStopAlike) {
  ExpectPlaying(false);
  ClickOn(w.Play());
  ExpectPlaying(true);

  PaintDisplay(0xFFFF00);
  Type(" ");
  ExpectPlaying(false);
  EXPECT_EQ(w.p->Pixel(15, 60), 0x000000u) << "the step separators are drawn";
  EXPECT_EQ(w.p->Pixel(8, 60), 0xFFFF00u);

  Type(" ");
  ExpectPlaying(true);
  fw::testing::ProcessEvents(60);  // the loop runs meanwhile
  ExpectPlaying(true);

  PaintDisplay(0xFFFF00);
  ClickOn(w.Play());
  ExpectPlaying(false);
  EXPECT_EQ(w.p->Pixel(31, 60), 0x000000u);

  // A click on the disabled save control asks for no file while playing.
  int dialogs = 0;
  fw::testing::SetDialogAnswerer([&](fw::testing::DialogKind, const std::string&) {
    ++dialogs;
    return std::string();
  });
  Type(" ");
  ClickOn(*w.ControlByName("SavePattern"));
  fw::testing::ClearDialogAnswerer();
  EXPECT_EQ(dialogs, 0);
  ExpectPlaying(true);
}

}  // namespace
