// Kit load, and the default kit at start-up.
#include "app/assets.h"
#include "engine/window1.h"
#include "files/file_types.h"
#include "files/kit_files.h"
#include "files/kit_format.h"
#include "files/text_file.h"
#include "grid/step_look.h"
#include "platform/base/numbers.h"
#include "platform/base/thread.h"
#include "platform/ui/application.h"
#include "platform/ui/dialogs.h"

namespace files {

void LoadKitFile(Window1& w, const fw::FolderItem& kitFile) {
  std::string text, why;
  kit::RowNames names;
  if (!ReadTextFile(kitFile, kMaxKitBytes, text, why) || !kit::ReadKitFile(text, names, why)) {
    fw::MsgBox("The kit file \"" + kitFile.Name() + "\" can't be loaded: " + why);
    return;
  }
  auto folder = kitFile.Parent();
  for (int row = 1; row <= 10; ++row) {
    auto& label = w.StaticText3(row);
    label.SetText(names[row - 1]);
    if (!fw::TextEquals(label.Text(), "Empty")) {
      // Child refuses names that would lead out of the folder ("..", "a/b").
      auto item = folder ? folder->Child(label.Text()) : nullptr;
      // The playback thread runs while the sound decodes; it changes nothing
      // this loop reads.
      auto sound = item ? item->OpenAsSound() : nullptr;
      if (sound) {
        w.S(row) = sound;
        w.SoundItem(row) = item;
      } else {
        // The row keeps playing its old sound while the message is open.
        fw::MsgBox("I can't find " + label.Text() + "!");
        label.SetText("Empty");
        w.SoundItem(row) = nullptr;
        w.S(row) = blank();
      }
    } else {
      w.SoundItem(row) = nullptr;
      w.S(row) = blank();
    }
    fw::YieldToNextThread();
  }
  w.KitName1().SetText(kit::KitNameFromFileName(kitFile.Name()));
  for (int row = 1; row <= 10; ++row) {
    auto& label = w.StaticText3(row);
    if (fw::TextEquals(label.Text(), "Empty")) {
      label.SetTextColor(grid::kEmptyRowNameColor);
      label.SetText("Empty");
    } else {
      label.SetTextColor(grid::kLoadedRowNameColor);
    }
    fw::YieldToNextThread();
  }
  w.ApplyPansFromColors();
}

}  // namespace files

bool Window1::KitLoad_MouseDown(fw::Control&, int, int) {
  fw::DialogOptions o;
  o.InitialDirectory = fw::GetFolderItem("TKTRKits");
  o.Title = "Load Kit File";
  o.PromptText = "Select a Kit";
  if (FileTypes1::pTRKit()) o.Filter.push_back(FileTypes1::pTRKit());
  if (auto file = fw::ShowOpenDialog(o)) files::LoadKitFile(*this, *file);
  return false;
}

void Window1::OpenDefaultKit() {
  auto folder = fw::ApplicationFolder();
  auto kits = folder ? folder->Child("TKTRKits") : nullptr;
  auto kitFolder = kits ? kits->Child("Default Kit") : nullptr;
  auto file = kitFolder ? kitFolder->Child("Default Kit.trk") : nullptr;
  if (file && file->Exists()) files::LoadKitFile(*this, *file);
}
