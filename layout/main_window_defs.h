// The 407 controls of the main window, described in the order in which the
// window creates them. Evaluated at compile time only; main_window_table.cpp
// encodes the records from these descriptions.
#pragma once
#include <array>
#include <cstddef>

#include "layout/control_def.h"

namespace layout::main_window {

inline constexpr std::size_t kControlCount = 407;
inline constexpr int kRows = 10;
inline constexpr int kSteps = 32;

// ---- Row geometry, index = row - 1 (row 1 is the bottom row).
inline constexpr std::array<int, kRows> kCellTops = {403, 384, 365, 346, 327,
                                                     303, 284, 265, 246, 228};
inline constexpr std::array<int, kRows> kLabelTops = {401, 382, 363, 344, 325,
                                                      301, 282, 263, 244, 225};
inline constexpr std::array<int, kRows> kPadTops = {405, 386, 367, 348, 329,
                                                    305, 286, 267, 248, 229};
inline constexpr std::array<int, kRows> kLampTops = {407, 388, 370, 351, 332,
                                                     308, 289, 270, 251, 232};
inline constexpr std::array<int, kRows> kClearTops = {405, 386, 367, 348, 329,
                                                      305, 286, 267, 248, 230};
inline constexpr std::array<int, kRows> kLabelTabs = {4, 3, 9, 8, 13, 12, 17, 16, 21, 20};
inline constexpr std::array<int, kRows> kPadTabs = {6, 7, 10, 11, 14, 15, 18, 19, 22, 23};
inline constexpr std::array<int, kRows> kClearTabs = {313, 314, 315, 316, 317,
                                                      318, 319, 320, 321, 329};
inline constexpr std::array<std::string_view, kRows> kCellArrays = {
    "SR1", "SR2", "SR3", "SR4", "SR5", "SR6", "SR7", "SR8", "SR9", "SR10"};
inline constexpr std::array<std::string_view, kRows> kCellHandlers = {
    "SR1_MouseDown", "SR2_MouseDown", "SR3_MouseDown", "SR4_MouseDown", "SR5_MouseDown",
    "SR6_MouseDown", "SR7_MouseDown", "SR8_MouseDown", "SR9_MouseDown", "SR10_MouseDown"};

inline constexpr int kCellWidth = 15;
inline constexpr int kCellHeight = 16;

// Steps stand in eight groups of four touching cells; the first group starts
// one pixel further left than the 64-pixel beat pitch would put it.
constexpr int CellLeft(int step) {
  const int group = (step - 1) / 4;
  const int pos = (step - 1) % 4;
  return (group == 0 ? 134 : 135 + 64 * group) + kCellWidth * pos;
}

// Rows 1 to 9 follow one another in the tab order; row 10 comes after the
// pattern box.
constexpr int CellTabIndex(int row, int step) {
  return row <= 9 ? 25 + 32 * (row - 1) + (step - 1) : 333 + step;
}

// ---- Builders.
constexpr EventBinding On(std::string_view event, std::string_view handler) {
  return {event, handler};
}
constexpr EventBinding MouseDown(std::string_view handler) { return On("MouseDown", handler); }

constexpr ControlDef Cnv(std::string_view name, int index, int left, int top, int width, int height,
                         int tab, Art picture, bool erase, EventBinding first = {},
                         EventBinding second = {}) {
  ControlDef d = Placed(ControlKind::Canvas, name, index, left, top, width, height, tab);
  d.picture = picture;
  d.eraseBackground = erase;
  d.events = {first, second};
  return d;
}

constexpr ControlDef Label(std::string_view name, int index, int left, int top, int width,
                           int height, int tab, std::string_view text, int align,
                           uint32_t colour = kLabelYellow, int size = 9) {
  ControlDef d = Placed(ControlKind::StaticText, name, index, left, top, width, height, tab);
  d.text = text;
  d.textAlign = align;
  d.colour = colour;
  d.textSize = size;
  return d;
}

constexpr ControlDef StepCell(int row, int step) {
  ControlDef d =
      Cnv(kCellArrays[row - 1], step, CellLeft(step), kCellTops[row - 1], kCellWidth, kCellHeight,
          CellTabIndex(row, step), Art::greenbutton, false, MouseDown(kCellHandlers[row - 1]));
  // The top-left cell of the grid is the one cell that stays active-looking.
  if (row == 10 && step == 1) d.autoDeactivate = false;
  return d;
}

inline constexpr uint32_t kRowLabelColour = 0x63393D;

constexpr ControlDef RowLabel(int row) {
  ControlDef d = Label("StaticText3", row, 35, kLabelTops[row - 1], 86, 20, kLabelTabs[row - 1],
                       "Empty", 0, kRowLabelColour);
  d.bold = true;
  d.events[0] = MouseDown("StaticText3_MouseDown");
  return d;
}

constexpr ControlDef RowPad(int row) {
  return Cnv("Canvas2", row, 7, kPadTops[row - 1], 13, 12, kPadTabs[row - 1], Art::playbutton, true,
             MouseDown("Canvas2_MouseDown"));
}

constexpr ControlDef RowClear(int row) {
  return Cnv("CR", row, 653, kClearTops[row - 1], 13, 12, kClearTabs[row - 1], Art::clearbuttoncopy,
             true, MouseDown("CR_MouseDown"));
}

constexpr ControlDef RowLamp(int row) {
  ControlDef d = Placed(ControlKind::Oval, "Oval1", row, 23, kLampTops[row - 1], 6, 6, kNoValue);
  d.colour = kLampYellow;
  return d;
}

constexpr ControlDef PlayButton() {
  ControlDef d = Placed(ControlKind::BevelButton, "Play", kNoValue, 523, 446, 39, 18, 1);
  d.picture = Art::red;
  d.text = "Play";
  d.events[0] = On("Action", "Play_Action");
  return d;
}

inline constexpr uint32_t kKitNameText = 0xB4686E;

constexpr ControlDef KitNameField() {
  ControlDef d = Placed(ControlKind::EditField, "KitName1", kNoValue, 165, 439, 143, 12, 400);
  d.colour = kKitNameText;
  d.events = {On("MouseEnter", "KitName1_MouseEnter"), On("MouseExit", "KitName1_MouseExit")};
  return d;
}

constexpr ControlDef PointerStrip() {
  ControlDef d = Cnv("PointerCanvas", kNoValue, 133, 203, 512, 15, 24, Art::lightstrip, false,
                     On("Paint", "PointerCanvas_Paint"));
  d.autoDeactivate = false;
  d.enabled = false;
  d.useFocusRing = false;
  return d;
}

inline constexpr uint32_t kGreen = 0x00FF00;
inline constexpr uint32_t kRed = 0xFF0000;
inline constexpr uint32_t kRowNameRose = 0xA25E63;
inline constexpr int N = kNoValue;

// ---- The creation order.
struct DefList {
  std::array<ControlDef, kControlCount> defs{};
  std::size_t count = 0;
  constexpr void Add(const ControlDef& d) {
    if (count == kControlCount) throw "too many controls";
    defs[count++] = d;
  }
  constexpr void AddCells(int row) {
    for (int s = 1; s <= kSteps; ++s) Add(StepCell(row, s));
  }
};

constexpr std::array<ControlDef, kControlCount> MainWindowDefs() {
  DefList l;
  // Display, transport, row labels and pads.
  l.Add(Cnv("Canvas1", N, 133, 68, 512, 128, 0, Art::None, true, On("Open", "Canvas1_Open"),
            On("Paint", "Canvas1_Paint")));
  l.Add(PlayButton());
  l.Add(Label("StaticText1", N, 588, 446, 37, 20, 2, "120", 1, kLabelYellow, 16));
  l.Add(RowLabel(2));
  l.Add(RowLabel(1));
  l.Add(Label("StaticText4", N, 482, 9, 41, 20, 5, "Pattern", 0, kGreen, 10));
  for (int row = 1; row <= kRows; row += 2) {
    if (row > 1) {
      l.Add(RowLabel(row + 1));
      l.Add(RowLabel(row));
    }
    l.Add(RowPad(row));
    l.Add(RowPad(row + 1));
  }
  l.Add(PointerStrip());

  // Step grid rows 1 to 9.
  for (int row = 1; row <= 9; ++row) l.AddCells(row);

  // Row clear buttons, pattern box and tempo arrows.
  for (int row = 1; row <= 9; ++row) l.Add(RowClear(row));
  l.Add(Cnv("PClear", N, 494, 29, 13, 12, 322, Art::clearbutton, true,
            MouseDown("PClear_MouseDown")));
  l.Add(Label("StaticText20", N, 544, 18, 18, 20, 323, "1", 1, kLabelYellow, 10));
  l.Add(Label("StaticText21", N, 630, 446, 23, 20, 324, "BPM", 0, kGreen, 10));
  l.Add(
      Cnv("Canvas3", N, 574, 446, 13, 9, 325, Art::upArrow, true, MouseDown("Canvas3_MouseDown")));
  l.Add(Cnv("Canvas4", N, 574, 456, 13, 9, 326, Art::downArrow, true,
            MouseDown("Canvas4_MouseDown")));
  l.Add(Cnv("Canvas5", N, 527, 19, 13, 9, 327, Art::upArrow, true, MouseDown("Canvas5_MouseDown")));
  l.Add(
      Cnv("Canvas6", N, 527, 29, 13, 9, 328, Art::downArrow, true, MouseDown("Canvas6_MouseDown")));
  l.Add(RowClear(10));
  l.Add(Cnv("LPattern", N, 607, 29, 13, 12, 330, Art::lilgreenbutton, false,
            MouseDown("LPattern_MouseDown")));
  l.Add(Label("StaticText24", N, 625, 10, 27, 20, 331, "Save", 0));
  l.Add(Cnv("SavePattern", N, 607, 14, 13, 12, 332, Art::lilredbutton, false,
            MouseDown("SavePattern_MouseDown")));
  l.Add(Label("StaticText25", N, 625, 25, 27, 20, 333, "Load", 0));

  // Step grid row 10.
  l.AddCells(10);

  // Interval mode, pan, length, swing and export.
  l.Add(Label("OctaveText", N, 65, 164, 54, 20, 366, "Octaves", 1));
  l.Add(Cnv("Canvas7", N, 86, 181, 13, 12, 367, Art::lilbluebutton, false,
            MouseDown("Canvas7_MouseDown")));
  l.Add(Label("StaticText26", N, 20, 432, 11, 15, 368, "L", 0, kGreen));
  l.Add(Label("StaticText27", N, 101, 430, 14, 20, 369, "R", 0, kRed));
  l.Add(Label("DrumName", N, 11, 448, 100, 10, 370, "", 1, kRowNameRose));
  l.Add(Cnv("RedBar", N, 81, 436, 12, 9, 371, Art::barred, true, MouseDown("RedBar_MouseDown")));
  l.Add(Cnv("OrangeBar", N, 69, 436, 12, 9, 372, Art::barorange, true,
            MouseDown("OrangeBar_MouseDown")));
  l.Add(Cnv("Yellowbar", N, 57, 436, 12, 9, 373, Art::baryellow, true,
            MouseDown("Yellowbar_MouseDown")));
  l.Add(Cnv("Limebar", N, 45, 436, 12, 9, 374, Art::barlime, true, MouseDown("Limebar_MouseDown")));
  l.Add(Cnv("GreenBar", N, 33, 436, 12, 9, 375, Art::bargreen, true,
            MouseDown("GreenBar_MouseDown")));
  l.Add(Cnv("Canvas8", N, 124, 434, 13, 12, 376, Art::lilgreenbutton, false,
            MouseDown("Canvas8_MouseDown")));
  l.Add(Label("StaticText28", N, 113, 445, 37, 20, 377, "Rst Pan", 0));
  for (int row = 1; row <= kRows; ++row) l.Add(RowLamp(row));
  l.Add(Label("StaticText29", N, 67, 145, 20, 12, 388, "Bts", 0));
  l.Add(Cnv("Canvas10", N, 86, 145, 13, 12, 389, Art::lilbrownbutton, false,
            MouseDown("Canvas10_MouseDown")));
  l.Add(Label("NumB", N, 106, 145, 15, 12, 390, "8", 0));
  l.Add(Label("StaticText30", N, 67, 119, 20, 12, 391, "Sw", 0));
  l.Add(Label("SwingText", N, 106, 119, 15, 12, 392, "0", 0));
  l.Add(Cnv("SwingUp", N, 86, 116, 13, 9, 393, Art::upArrow, true, MouseDown("SwingUp_MouseDown")));
  l.Add(Cnv("SwingDown", N, 86, 126, 13, 9, 394, Art::downArrow, true,
            MouseDown("SwingDown_MouseDown")));
  l.Add(Cnv("SavePicture", N, 64, 198, 59, 20, 395, Art::savepict, true,
            MouseDown("SavePicture_MouseDown")));

  // Kit, pattern bank name, volume and note repeat.
  l.Add(Cnv("KitLoad", N, 165, 458, 45, 10, 396, Art::loadkit, false,
            MouseDown("KitLoad_MouseDown")));
  l.Add(Cnv("KitSave", N, 214, 458, 45, 10, 397, Art::savekit, false,
            MouseDown("KitSave_MouseDown")));
  l.Add(Cnv("KitNew", N, 263, 458, 45, 10, 398, Art::newkit, true, MouseDown("KitNew_MouseDown")));
  l.Add(KitNameField());
  l.Add(Label("PatternText", N, 368, 17, 101, 20, 401, "Untitled\r", 2));
  l.Add(Cnv("Canvas11", N, 20, 62, 19, 10, 402, Art::volumebutton, true,
            MouseDown("Canvas11_MouseDown"), On("MouseDrag", "Canvas11_MouseDrag")));
  l.Add(Label("VolumeText", N, 8, 187, 43, 20, 403, "100", 1));
  l.Add(Cnv("Canvas12", N, 571, 18, 24, 17, 404, Art::dice, true, MouseDown("Canvas12_MouseDown")));
  l.Add(Cnv("Canvas15", N, 382, 436, 13, 12, 407, Art::gridoff1, true,
            MouseDown("Canvas15_MouseDown")));
  l.Add(Label("StaticText32", N, 358, 453, 64, 20, 409, "Note Repeat", 1));
  l.Add(Label("StaticText33", N, 377, 420, 24, 20, 410, "Off", 1));

  if (l.count != kControlCount) throw "the main window has 407 controls";
  return l.defs;
}

}  // namespace layout::main_window
