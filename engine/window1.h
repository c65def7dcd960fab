// The main window and the whole document: the pattern bank, the row sounds and
// their settings, the timing values and the step-line display. Its methods are
// defined in the folder of the subsystem that owns them:
//   engine/  life cycle, timing, transport, keys, pattern selection, volume
//   grid/    step cells, the step-line display and its drawing, length, rows,
//            pans
//   files/   kits, pattern banks, default files, picture export
//   layout/  control creation
#pragma once
#include <string>
#include <string_view>

#include "engine/arrays.h"
#include "platform/base/files.h"
#include "platform/sound/sound.h"
#include "platform/ui/controls.h"
#include "platform/ui/picture.h"
#include "platform/ui/window.h"

class Window1 : public fw::Window {
 public:
  Window1();
  ~Window1() override;

  // The one main window: the existing one, or a new one, created and opened.
  static Window1& Instance();

  // ---- Document (start values: after Event_Open, before the default files).
  BoundedArray<int, 51, 11, 33> Hit;  // 1 on, 0 off; Hit(p,0,0) = length code 1..4
  BoundedArray<int, 101, 11, 33> SV;  // velocity 100/50/10, 0 when off
  BoundedArray<int, 51, 11, 33> pt;   // copy buffer of Hit
  BoundedArray<int, 101, 11, 33> vt;  // copy buffer of SV
  int OldPattern = 0;
  int Pattern = 0;
  int Meter = 0;
  int NumBeats = 0;
  bool playon = false;
  int CurrentBeat = 0;
  double LastBeat = 0.0;
  double SixteenNote = 0.0;
  BoundedArray<double, 33> Beat;
  double SwingNumDown = 0.0;
  double SwingNumUp = 0.0;
  int Swing = 0;
  int MainVolume = 0;
  double percentvolume = 0.0;
  BoundedArray<fw::SoundRef, 11> S;
  BoundedArray<fw::FolderItemRef, 11> SoundItem;
  fw::FolderItemRef SaveTo;
  BoundedArray<int, 11, 2> lineColor;  // (row, 0) red, (row, 1) green
  BoundedArray<int, 11> SoundEditFlag;
  fw::PictureRef p;  // the step-line display, 512 x 128
  int linemodifier = 0;
  int bottompixel = 0;
  int Octave = 0;
  int xline = 0;
  int yline = 0;
  int xlineMOD2 = 0;
  int re = 0;
  int gre = 0;
  bool NoteRepeat = false;
  int RepeatSteps = 0;

  // ---- Window life cycle (engine/window1.cpp).
  void Layout() override;
  void CreateControls() override;  // layout/
  void Event_Open() override;
  void Event_Close() override;
  bool Event_KeyDown(const std::string& key) override;  // engine/keyboard.cpp

  // Binds one event of a control to the handler method of that name.
  void BindEvent(fw::Control& c, std::string_view event, std::string_view handler);

  // ---- Timing (engine/timing.cpp).
  void CalculateInterval();
  void CalculateSwing();
  void ResetColors();

  // ---- Display canvas (grid/display_canvas.cpp).
  void Canvas1_Open(fw::Control& me);
  void Canvas1_Paint(fw::Control& me, fw::Graphics& g);        // the step-line display
  void PointerCanvas_Paint(fw::Control& me, fw::Graphics& g);  // the playing-step marker

  // ---- Transport (engine/transport.cpp).
  void Play_Action(fw::Control& me);  // the Play button
  void StartPlayback();               // as the button starts: caption first
  void StopPlayback();                // as the button stops: caption first
  void RunPlayLoop();                 // a new playback loop at priority 1000, not kept
  void StopRowSounds();               // rows 1..10
  // Bumped by every start: a playback loop of an earlier start ends at its
  // next pass, so only one loop ever plays.
  unsigned playGeneration = 0;
  void disablebuttons();
  void enablebuttons();

  // ---- Pattern selection, volume, tempo and swing (engine/).
  bool Canvas3_MouseDown(fw::Control& me, int x, int y);    // tempo up arrow
  bool Canvas4_MouseDown(fw::Control& me, int x, int y);    // tempo down arrow
  bool Canvas5_MouseDown(fw::Control& me, int x, int y);    // next pattern arrow
  bool Canvas6_MouseDown(fw::Control& me, int x, int y);    // previous pattern arrow
  bool SwingUp_MouseDown(fw::Control& me, int x, int y);    // swing up arrow
  bool SwingDown_MouseDown(fw::Control& me, int x, int y);  // swing down arrow
  // The main volume knob: pressed, then dragged along its track.
  bool Canvas11_MouseDown(fw::Control& me, int x, int y);
  void Canvas11_MouseDrag(fw::Control& me, int x, int y);
  // Pattern change by delta (+1 next, -1 previous). The buttons always
  // re-apply the pattern's length; the keys only when it differs.
  void ChangePattern(int delta, bool alwaysApplyLength);

  // ---- Step grid and display (grid/).
  // The step cells of rows 1..10: click on/off, contextual click velocity.
  bool SR1_MouseDown(fw::Control& me, int x, int y);
  bool SR2_MouseDown(fw::Control& me, int x, int y);
  bool SR3_MouseDown(fw::Control& me, int x, int y);
  bool SR4_MouseDown(fw::Control& me, int x, int y);
  bool SR5_MouseDown(fw::Control& me, int x, int y);
  bool SR6_MouseDown(fw::Control& me, int x, int y);
  bool SR7_MouseDown(fw::Control& me, int x, int y);
  bool SR8_MouseDown(fw::Control& me, int x, int y);
  bool SR9_MouseDown(fw::Control& me, int x, int y);
  bool SR10_MouseDown(fw::Control& me, int x, int y);
  void makeline();
  void deleteline();
  void DrawBlackLines();
  void drawswinglines();
  void ClearDisplay();  // p black over the window's drawing size, pen yellow
  void ClearPattern();
  void PatternDraw();
  void MeterDisplay();
  void copypattern();
  void pastepattern();
  bool CR_MouseDown(fw::Control& me, int x, int y);        // a row's clear button
  bool PClear_MouseDown(fw::Control& me, int x, int y);    // pattern clear button
  bool Canvas12_MouseDown(fw::Control& me, int x, int y);  // the dice: random fill
  bool Canvas15_MouseDown(fw::Control& me, int x, int y);  // note-repeat switch
  bool Canvas10_MouseDown(fw::Control& me, int x, int y);  // pattern length button
  bool Canvas7_MouseDown(fw::Control& me, int x, int y);   // interval-mode button
  // A row name: click selects the row, contextual click loads a sound file.
  bool StaticText3_MouseDown(fw::Control& me, int x, int y);
  bool Canvas2_MouseDown(fw::Control& me, int x, int y);  // a row pad: play or record
  // The five pan bars of the selected row: red full right, orange half
  // right, yellow centre, lime half left, green full left.
  bool RedBar_MouseDown(fw::Control& me, int x, int y);
  bool OrangeBar_MouseDown(fw::Control& me, int x, int y);
  bool Yellowbar_MouseDown(fw::Control& me, int x, int y);
  bool Limebar_MouseDown(fw::Control& me, int x, int y);
  bool GreenBar_MouseDown(fw::Control& me, int x, int y);
  bool Canvas8_MouseDown(fw::Control& me, int x, int y);  // reset every pan to centre
  // Sets each row sound's pan from the row's pan colour (the five-pair table).
  void ApplyPansFromColors();
  // Applies the interval mode named by OctaveText to linemodifier/bottompixel.
  void ApplyIntervalModeText();

  // ---- Files (files/).
  virtual void OpenDefaultKit();
  virtual void OpenDefaultPattern();
  bool LPattern_MouseDown(fw::Control& me, int x, int y);     // load a pattern bank
  bool SavePattern_MouseDown(fw::Control& me, int x, int y);  // save the pattern bank
  bool KitLoad_MouseDown(fw::Control& me, int x, int y);      // load a kit
  bool KitSave_MouseDown(fw::Control& me, int x, int y);      // save the kit as a folder
  bool KitNew_MouseDown(fw::Control& me, int x, int y);       // empty every row
  // The kit-name field takes typing only while the pointer is over it.
  void KitName1_MouseEnter(fw::Control& me);
  void KitName1_MouseExit(fw::Control& me);
  bool SavePicture_MouseDown(fw::Control& me, int x, int y);  // export the display as PNG

  // ---- Controls by name.
  fw::Canvas& Canvas1() const { return Get<fw::Canvas>("Canvas1"); }
  fw::Canvas& PointerCanvas() const { return Get<fw::Canvas>("PointerCanvas"); }
  fw::BevelButton& Play() const { return Get<fw::BevelButton>("Play"); }
  fw::StaticText& StaticText1() const { return Get<fw::StaticText>("StaticText1"); }
  fw::StaticText& StaticText3(int row) const { return Get<fw::StaticText>("StaticText3", row); }
  fw::StaticText& StaticText20() const { return Get<fw::StaticText>("StaticText20"); }
  fw::StaticText& OctaveText() const { return Get<fw::StaticText>("OctaveText"); }
  fw::StaticText& SwingText() const { return Get<fw::StaticText>("SwingText"); }
  fw::StaticText& PatternText() const { return Get<fw::StaticText>("PatternText"); }
  fw::StaticText& DrumName() const { return Get<fw::StaticText>("DrumName"); }
  fw::StaticText& NumB() const { return Get<fw::StaticText>("NumB"); }
  fw::StaticText& VolumeText() const { return Get<fw::StaticText>("VolumeText"); }
  fw::StaticText& StaticText33() const { return Get<fw::StaticText>("StaticText33"); }
  fw::EditField& KitName1() const { return Get<fw::EditField>("KitName1"); }
  fw::Canvas& SRCell(int row, int step) const;  // SR<row>(step)
  fw::Oval& Oval1(int row) const { return Get<fw::Oval>("Oval1", row); }
  fw::Canvas& Canvas11() const { return Get<fw::Canvas>("Canvas11"); }
  fw::Canvas& Canvas15() const { return Get<fw::Canvas>("Canvas15"); }
};
