// Kit save, new kit and the kit-name field.
#include "app/assets.h"
#include "engine/window1.h"
#include "files/kit_files.h"
#include "files/kit_format.h"
#include "files/replace_dialog.h"
#include "files/text_file.h"
#include "platform/application.h"
#include "platform/numbers.h"
#include "platform/thread.h"

namespace files {

fw::FolderItemRef KitFolderFor(const Window1& w, const fw::FolderItem& parent) {
  const std::string name = w.KitName1().Text();
  // Child gives no item for a name that is empty, "." or "..", or holds a "/":
  // such a name would not stay inside the chosen folder.
  auto folder = parent.Child(name);
  if (!folder) {
    fw::MsgBox("The kit name \"" + name +
               "\" can't be used as a folder name: choose a name that is not empty, \".\" or "
               "\"..\" and holds no \"/\".");
  }
  return folder;
}

bool RowNamesFitAKitFile(const Window1& w) {
  for (int row = 1; row <= 10; ++row) {
    const std::string& name = w.StaticText3(row).Text();
    // A "*" would end the name early in the kit file and shift every row
    // after it when the kit is loaded again.
    if (name.find('*') != std::string::npos) {
      fw::MsgBox("The kit can't be saved: the sound of row " + fw::Str(row) + ", \"" + name +
                 "\", has a \"*\" in its name, which a kit file can't hold.");
      return false;
    }
  }
  return true;
}

bool WriteKitFolder(Window1& w, const fw::FolderItem& parent) {
  auto folder = KitFolderFor(w, parent);
  if (!folder || !RowNamesFitAKitFile(w)) return false;
  const std::string name = w.KitName1().Text();
  if (!folder->CreateAsFolder()) {
    fw::MsgBox("The kit folder \"" + name + "\" could not be created: " + folder->LastError() +
               ".");
    return false;
  }
  std::string failedCopies;
  for (int row = 1; row <= 10; ++row) {
    if (const auto& item = w.SoundItem(row)) {
      if (!item->CopyFileTo(folder)) {
        if (!failedCopies.empty()) failedCopies += ", ";
        failedCopies += item->Name();
      }
    }
    fw::YieldToNextThread();
  }
  kit::RowNames names;
  for (int row = 1; row <= 10; ++row) {
    names[row - 1] = w.StaticText3(row).Text();
    fw::YieldToNextThread();
  }
  auto kitFile = folder->Child(name + ".trk");
  std::string why;
  if (!kitFile) {
    why = "the name is not a file name.";
  } else if (WriteTextFile(*kitFile, kit::WriteKitFile(names), why)) {
    why.clear();
  }
  if (!why.empty()) {
    fw::MsgBox("The kit file \"" + name + ".trk\" could not be saved: " + why);
    return false;
  }
  if (!failedCopies.empty()) {
    fw::MsgBox("The kit was saved, but these sounds could not be copied into it: " + failedCopies +
               ".");
    return false;
  }
  return true;
}

}  // namespace files

bool Window1::KitSave_MouseDown(fw::Control&, int, int) {
  fw::DialogOptions o;
  o.ActionButtonCaption = "Select";
  o.Title = "Drum Kit Save";
  o.PromptText = "Select Folder to Save Drum Kit " + KitName1().Text();
  o.InitialDirectory = fw::GetFolderItem("TKTRKits");
  SaveTo = fw::ShowSelectFolderDialog(o);
  if (!SaveTo) return false;
  fw::FolderItemRef parent = SaveTo;
  auto folder = files::KitFolderFor(*this, *parent);
  if (!folder || !files::RowNamesFitAKitFile(*this)) return false;
  if (folder->Exists()) {
    wSaveReplace::Instance().Show();
    return false;
  }
  files::WriteKitFolder(*this, *parent);
  return false;
}

bool Window1::KitNew_MouseDown(fw::Control&, int, int) {
  for (int row = 1; row <= 10; ++row) {
    auto& label = StaticText3(row);
    label.SetTextColor(0x402527);
    label.SetText("Empty");
    SoundItem(row) = nullptr;
    S(row) = blank();
    S(row)->Pan = 0;
    fw::YieldToNextThread();
  }
  ResetColors();
  PatternDraw();
  KitName1().SetText("Untitled Kit");
  return false;
}

void Window1::KitName1_MouseEnter(fw::Control&) { KitName1().SetEnabled(true); }

void Window1::KitName1_MouseExit(fw::Control&) { KitName1().SetEnabled(false); }
