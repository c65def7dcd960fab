#include "tools/asset_table.h"

#include "tools/paint_controls.h"
#include "tools/paint_skin.h"
#include "tools/paint_style.h"

namespace tools {

const std::vector<AssetPicture>& AssetPictures() {
  static const std::vector<AssetPicture> table = {
      {168, "lilredbutton", 13, 12, [] { return PaintRoundButton(QColor(0xD0, 0x26, 0x22)); }},
      {169, "lilgreenbutton", 13, 12, [] { return PaintRoundButton(QColor(0x2E, 0xB0, 0x38)); }},
      {170, "twothirdsvolume", 15, 16, [] { return PaintStepFace(50); }},
      {171, "upArrow", 13, 9, [] { return PaintArrow(true); }},
      {172, "downArrow", 13, 9, [] { return PaintArrow(false); }},
      {173, "halfvolume", 15, 16, [] { return PaintStepFace(10); }},
      {174, "red", 12, 12, [] { return PaintPlayIcon(); }},
      {175, "clearbutton", 13, 12, [] { return PaintClearButton(true); }},
      {176, "greenbutton", 15, 16, [] { return PaintStepFace(0); }},
      {179, "bluebuttonon", 15, 16, [] { return PaintStepFace(100); }},
      {181, "lightstrip", 512, 15, [] { return PaintLightStrip(); }},
      {182, "light", 16, 15, [] { return PaintLight(); }},
      {184, "playbutton", 13, 12, [] { return PaintRowPad(); }},
      {187, "TKtrIcon", 64, 64, [] { return PaintAppIcon(); }},
      {188, "barlime", 12, 9, [] { return PaintPanBar(QColor(0x96, 0xFF, 0x00)); }},
      {189, "barorange", 12, 9, [] { return PaintPanBar(QColor(0xFF, 0x96, 0x00)); }},
      {190, "barred", 12, 9, [] { return PaintPanBar(QColor(0xFF, 0x00, 0x00)); }},
      {191, "baryellow", 12, 9, [] { return PaintPanBar(QColor(0xFF, 0xFF, 0x00)); }},
      {192, "bargreen", 12, 9, [] { return PaintPanBar(QColor(0x00, 0xFF, 0x00)); }},
      {193, "savepict", 59, 20, [] { return PaintTextKey(59, 20, "SAVE PICT", colors::kYellow); }},
      {194, "lilbrownbutton", 13, 12, [] { return PaintRoundButton(QColor(0x9C, 0x62, 0x2C)); }},
      {195, "lilbluebutton", 13, 12, [] { return PaintRoundButton(QColor(0x2C, 0x6C, 0xD0)); }},
      {198, "loadkit", 45, 10, [] { return PaintTextKey(45, 10, "LOAD", colors::kYellow); }},
      {199, "newkit", 45, 10, [] { return PaintTextKey(45, 10, "NEW", colors::kYellow); }},
      {200, "savekit", 45, 10, [] { return PaintTextKey(45, 10, "SAVE", colors::kYellow); }},
      {201, "volumebutton", 19, 10, [] { return PaintVolumeKnob(); }},
      {202, "dice", 24, 17, [] { return PaintDice(); }},
      {203, "clearbuttoncopy", 13, 12, [] { return PaintClearButton(false); }},
      {205, "TKDrumscopy1", 670, 478, [] { return PaintSkin(); }},
      {206, "gridoff1", 13, 12, [] { return PaintRepeatSwitch(false); }},
      {207, "gridon4", 13, 12, [] { return PaintRepeatSwitch(true); }},
  };
  return table;
}

QImage PaintAsset(int number) {
  for (const AssetPicture& a : AssetPictures()) {
    if (a.number == number) return a.paint();
  }
  return QImage();
}

}  // namespace tools
