// Pattern bank load and save, and the default bank at start-up.
#include "files/pattern_bank.h"

#include "engine/window1.h"
#include "files/file_types.h"
#include "files/text_file.h"
#include "platform/base/numbers.h"
#include "platform/ui/application.h"
#include "platform/ui/dialogs.h"

namespace files {

bank::BankValues CollectBank(const Window1& w) {
  bank::BankValues v;
  v.tempo = w.StaticText1().Text();
  v.mode = w.OctaveText().Text();
  v.swing = w.SwingText().Text();
  for (int row = 1; row <= 10; ++row) {
    v.colors[row - 1][0] = w.lineColor(row, 0);
    v.colors[row - 1][1] = w.lineColor(row, 1);
  }
  for (int p = 1; p <= bank::kPatterns; ++p)
    for (int r = 0; r < bank::kRows; ++r)
      for (int s = 0; s < bank::kSteps; ++s) {
        v.hit(p, r, s) = w.Hit(p, r, s);
        v.velocity(p, r, s) = w.SV(p, r, s);
      }
  return v;
}

void ApplyBank(Window1& w, const bank::BankValues& v) {
  w.StaticText1().SetText(v.tempo);
  w.OctaveText().SetText(v.mode);
  w.SwingText().SetText(v.swing);
  for (int row = 1; row <= 10; ++row) {
    w.lineColor(row, 0) = v.colors[row - 1][0];
    w.lineColor(row, 1) = v.colors[row - 1][1];
    w.Oval1(row).SetFillColor(fw::RGB(w.lineColor(row, 0), w.lineColor(row, 1), 0));
  }
  for (int p = 1; p <= bank::kPatterns; ++p)
    for (int r = 0; r < bank::kRows; ++r)
      for (int s = 0; s < bank::kSteps; ++s) {
        w.Hit(p, r, s) = v.hit(p, r, s);
        w.SV(p, r, s) = v.velocity(p, r, s);
      }
}

bool LoadBankFile(Window1& w, const fw::FolderItem& file) {
  std::string text, why;
  bank::BankValues values;
  if (!ReadTextFile(file, kMaxBankBytes, text, why) || !bank::ReadBank(text, values, why)) {
    fw::MsgBox("The pattern file \"" + file.Name() + "\" can't be loaded: " + why);
    return false;
  }
  ApplyBank(w, values);
  w.PatternText().SetText(file.Name());
  return true;
}

void PatternBankRefresh(Window1& w) {
  w.ApplyIntervalModeText();
  w.ApplyPansFromColors();
  w.Swing = fw::ToInteger(fw::Val(w.SwingText().Text()));
  w.CalculateSwing();
  w.ClearDisplay();
  w.Pattern = 1;
  w.StaticText20().SetText(fw::Str(w.Pattern));
  w.Meter = w.Hit(1, 0, 0);
  w.MeterDisplay();
  w.PatternDraw();
  w.CalculateInterval();
}

}  // namespace files

bool Window1::SavePattern_MouseDown(fw::Control&, int, int) {
  fw::DialogOptions o;
  o.InitialDirectory = fw::GetFolderItem("Patterns");
  o.PromptText = "Enter a filename";
  // The suggestion is a file name: no line ends in it.
  std::string suggested = PatternText().Text();
  while (!suggested.empty() && (suggested.back() == '\r' || suggested.back() == '\n'))
    suggested.pop_back();
  o.SuggestedFileName = suggested;
  o.Title = "Pattern Save";
  if (FileTypes1::pText()) o.Filter.push_back(FileTypes1::pText());
  auto file = fw::ShowSaveAsDialog(o);
  if (!file) return false;
  std::string why;
  if (!files::WriteTextFile(*file, bank::WriteBank(files::CollectBank(*this)), why)) {
    fw::MsgBox("The pattern file \"" + file->Name() + "\" could not be saved: " + why);
    return false;
  }
  PatternText().SetText(file->Name());
  return false;
}

bool Window1::LPattern_MouseDown(fw::Control&, int, int) {
  fw::DialogOptions o;
  o.InitialDirectory = fw::GetFolderItem("Patterns");
  o.Title = "Select a Pattern file";
  o.PromptText = "select a Pattern file...";
  if (auto file = fw::ShowOpenDialog(o)) files::LoadBankFile(*this, *file);
  files::PatternBankRefresh(*this);
  return false;
}

void Window1::OpenDefaultPattern() {
  auto folder = fw::ApplicationFolder();
  auto patterns = folder ? folder->Child("Patterns") : nullptr;
  auto file = patterns ? patterns->Child("My Pattern") : nullptr;
  if (file && file->Exists()) files::LoadBankFile(*this, *file);
  files::PatternBankRefresh(*this);
}
