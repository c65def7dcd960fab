// Reading a kit file into the rows, and writing the rows as a kit folder.
#pragma once
#include "platform/files.h"

class Window1;

namespace files {

// Loads the kit file into rows 1..10: labels, sounds, sound files, the kit
// name, label colours and pans. A file that cannot be read or names fewer
// than ten rows is refused with one message and nothing changes. A sound that
// does not open (or a name that would lead outside the kit's folder) is
// reported with "I can't find <name>!" and its row is emptied.
void LoadKitFile(Window1& w, const fw::FolderItem& kitFile);

// Writes the current kit into the folder named by the kit name inside
// `parent`: the folder, a copy of each row's sound file, then the kit file.
// A row name that a kit file cannot hold stops it before anything is written.
// Every failure is reported with a message; returns whether all was written.
bool WriteKitFolder(Window1& w, const fw::FolderItem& parent);

// Whether every row name can stand in a kit file (none holds a "*"); tells the
// user which one cannot.
bool RowNamesFitAKitFile(const Window1& w);

// The kit name as a folder name inside `parent`, or nullptr after telling the
// user why the name cannot be used.
fw::FolderItemRef KitFolderFor(const Window1& w, const fw::FolderItem& parent);

}  // namespace files
