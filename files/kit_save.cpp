// Kit save, new kit and the kit-name field.
#include <algorithm>
#include <string>
#include <vector>

#include "app/assets.h"
#include "engine/window1.h"
#include "files/kit_files.h"
#include "files/kit_format.h"
#include "files/replace_dialog.h"
#include "files/text_file.h"
#include "platform/base/numbers.h"
#include "platform/base/thread.h"
#include "platform/ui/application.h"
#include "platform/ui/dialogs.h"

namespace files {

namespace {

// Whether every row name can stand in a kit file (none holds a "*"); tells the
// user which one cannot.
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

// Whether the rows' sound files can lie side by side in one kit folder with
// the kit file: no two rows hold different files of one name, and no sound
// is named like the kit file, since in either case one copy would take the
// place of the other. A sound that can't be read is not copied (the write
// reports it), so it takes no name in the folder.
bool SoundsFitOneFolder(const Window1& w) {
  const std::string kitFileName = w.KitName1().Text() + ".trk";
  for (int row = 1; row <= 10; ++row) {
    const auto& item = w.SoundItem(row);
    if (!item) continue;
    if (item->Name() == kitFileName) {
      fw::MsgBox("The kit can't be saved: the sound of row " + fw::Str(row) + ", \"" +
                 item->Name() +
                 "\", has the name of the kit file, which would take its place. Give the kit "
                 "another name.");
      return false;
    }
    if (!item->ReadableFile()) continue;
    for (int later = row + 1; later <= 10; ++later) {
      const auto& other = w.SoundItem(later);
      if (other && other->Name() == item->Name() && !other->SameFileAs(*item) &&
          other->ReadableFile()) {
        fw::MsgBox("The kit can't be saved: rows " + fw::Str(row) + " and " + fw::Str(later) +
                   " hold different sound files named \"" + item->Name() +
                   "\", and a kit folder can hold only one file of a name.");
        return false;
      }
    }
  }
  return true;
}

// Copies the rows' sounds into the folder and writes the kit file beside
// them, all put in place at once; the reason when any of it fails. A sound
// file that is missing or can't be read is left out, named in `notCopied`;
// the kit file still names it, and a file of that name already in the folder
// stays as it is.
std::string WriteKitFiles(Window1& w, const fw::FolderItem& folder,
                          std::vector<std::string>& notCopied) {
  fw::WriteBatch batch;
  // A name met again is the same file (SoundsFitOneFolder): one copy serves.
  std::vector<std::string> copied;
  for (int row = 1; row <= 10; ++row) {
    const auto& item = w.SoundItem(row);
    if (item && !item->ReadableFile()) {
      notCopied.push_back("row " + fw::Str(row) + ", \"" + item->Name() + "\"");
    } else if (item && std::find(copied.begin(), copied.end(), item->Name()) == copied.end()) {
      auto copy = folder.Child(item->Name());
      if (!copy || !batch.AddCopy(*item, *copy)) {
        return "the sound of row " + fw::Str(row) + ", \"" + item->Name() +
               "\", could not be copied: " + (copy ? batch.LastError() : folder.LastError()) + ".";
      }
      copied.push_back(item->Name());
    }
    fw::YieldToNextThread();
  }
  kit::RowNames names;
  for (int row = 1; row <= 10; ++row) {
    names[row - 1] = w.StaticText3(row).Text();
    fw::YieldToNextThread();
  }
  const std::string fileName = w.KitName1().Text() + ".trk";
  auto kitFile = folder.Child(fileName);
  if (!kitFile || !batch.AddBytes(*kitFile, kit::WriteKitFile(names)))
    return "the kit file \"" + fileName +
           "\" could not be written: " + (kitFile ? batch.LastError() : folder.LastError()) + ".";
  if (!batch.Commit()) return "its files could not be put in place: " + batch.LastError() + ".";
  return {};
}

}  // namespace

fw::FolderItemRef CheckedKitFolder(const Window1& w, const fw::FolderItem& parent) {
  const std::string name = w.KitName1().Text();
  // Child gives no item for a name that is empty, "." or "..", or holds a "/":
  // such a name would not stay inside the chosen folder.
  auto folder = parent.Child(name);
  if (!folder) {
    fw::MsgBox("The kit name \"" + name +
               "\" can't be used as a folder name: choose a name that is not empty, \".\" or "
               "\"..\" and holds no \"/\".");
    return nullptr;
  }
  const size_t longest = parent.MaxNameBytes();
  if (name.size() + 4 > longest) {
    fw::MsgBox("The kit name is too long: with \".trk\" added it must fit in a file name of " +
               fw::Str(static_cast<long long>(longest)) + " bytes, and it has " +
               fw::Str(static_cast<long long>(name.size())) + ".");
    return nullptr;
  }
  if (!RowNamesFitAKitFile(w) || !SoundsFitOneFolder(w)) return nullptr;
  return folder;
}

bool WriteKitFolder(Window1& w, const fw::FolderItem& folder) {
  const std::string name = w.KitName1().Text();
  const bool isNew = !folder.Directory();
  if (!folder.CreateAsFolder()) {
    fw::MsgBox("The kit folder \"" + name + "\" could not be created: " + folder.LastError() + ".");
    return false;
  }
  std::vector<std::string> notCopied;
  const std::string why = WriteKitFiles(w, folder, notCopied);
  if (why.empty()) {
    if (!notCopied.empty()) {
      std::string rows;
      for (const std::string& r : notCopied) rows += (rows.empty() ? "" : "; ") + r;
      fw::MsgBox("The kit \"" + name +
                 "\" was saved without these sounds, which are missing or can't be read: " + rows +
                 ".");
    }
    return true;
  }
  // What this save made goes again; a kit folder it was replacing stays.
  if (isNew) folder.Delete();
  fw::MsgBox("The kit \"" + name + "\" could not be saved: " + why);
  return false;
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
  auto folder = files::CheckedKitFolder(*this, *parent);
  if (!folder) return false;
  if (folder->Exists()) {
    wSaveReplace::AskAbout(folder);
    return false;
  }
  files::WriteKitFolder(*this, *folder);
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
