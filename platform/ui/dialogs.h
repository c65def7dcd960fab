// The file dialogs and their file types. Modal: the baton is let go while
// one is open. Message boxes: platform/ui/application.h.
#pragma once
#include <string>
#include <vector>

#include "platform/base/files.h"

namespace fw {

// A named file type for the file dialogs.
class FileType {
 public:
  std::string Name;
  std::string Extensions;  // ".trk;.txt" style; empty = any
  std::string MacType;
  std::string MacCreator;
};

// File dialogs (modal; the baton is let go while they are open). Each returns
// nullptr when cancelled. filter: the file types offered (empty = any file).
FolderItemRef GetOpenFolderItem(const std::vector<const FileType*>& filter);
FolderItemRef OpenDialog(const std::vector<const FileType*>& filter, const std::string& title = "");
FolderItemRef SaveAsDialog(const std::string& suggestedName, const std::string& title = "");
FolderItemRef SelectFolderDialog(const std::string& title = "");

// Everything a file dialog can be told; fields left empty take the dialog's
// defaults. The three functions above are shorthands for these.
struct DialogOptions {
  std::string Title;
  std::string PromptText;           // a line of help text above the file list
  std::string SuggestedFileName;    // save dialog: the name it starts with
  std::string ActionButtonCaption;  // the caption of the accepting button
  FolderItemRef InitialDirectory;   // the folder shown first
  std::vector<const FileType*> Filter;
};
FolderItemRef ShowOpenDialog(const DialogOptions& options);
FolderItemRef ShowSaveAsDialog(const DialogOptions& options);
FolderItemRef ShowSelectFolderDialog(const DialogOptions& options);

}  // namespace fw
