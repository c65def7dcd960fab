#include "files/replace_dialog.h"

#include "app/assets.h"
#include "engine/window1.h"
#include "files/kit_files.h"
#include "layout/window_records.h"
#include "platform/ui/design_record.h"

wSaveReplace& wSaveReplace::Instance() {
  return fw::ImplicitInstance<wSaveReplace>("wSaveReplace");
}

void wSaveReplace::AskAbout(fw::FolderItemRef folder) {
  wSaveReplace& dialog = Instance();
  dialog.askedAbout_ = std::move(folder);
  dialog.Show();
}

void wSaveReplace::Layout() { fw::ApplyRecord(*this, kSaveReplaceRecord); }

void wSaveReplace::CreateControls() {
  fw::ApplyRecord(New<fw::StaticText>("StaticText1"), kReplaceStaticText1Record);
  auto& yes = New<fw::PushButton>("PushButton1");
  fw::ApplyRecord(yes, kReplacePushButton1Record);
  yes.InstallEventHandler("Action",
                          fw::PlainHandler([this](fw::Control&) { PushButton1_Action(); }));
  auto& no = New<fw::PushButton>("PushButton2");
  fw::ApplyRecord(no, kReplacePushButton2Record);
  no.InstallEventHandler("Action",
                         fw::PlainHandler([this](fw::Control&) { PushButton2_Action(); }));
  auto& icon = New<fw::Canvas>("Canvas1");
  icon.SetBackdrop(TKtrIcon());
  fw::ApplyRecord(icon, kReplaceCanvas1Record);
}

void wSaveReplace::PushButton1_Action() {
  Window1& main = Window1::Instance();
  // Kept here: a message box during the write lets other code run. Checked
  // again: the rows and the kit name may have changed while the question was
  // open.
  fw::FolderItemRef saveTo = main.SaveTo;
  fw::FolderItemRef folder = saveTo ? files::CheckedKitFolder(main, *saveTo) : nullptr;
  if (folder && folder->Exists() && !(askedAbout_ && folder->SameFileAs(*askedAbout_))) {
    // The name now leads to another kit that exists (typed or loaded while
    // the question was open): that kit is asked about before it is replaced.
    Close();
    AskAbout(folder);
    return;
  }
  if (folder) files::WriteKitFolder(main, *folder);
  Close();
}

void wSaveReplace::PushButton2_Action() { Close(); }
