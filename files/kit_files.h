// Reading a kit file into the rows, and writing the rows as a kit folder.
#pragma once
#include "platform/base/files.h"

class Window1;

namespace files {

// Loads the kit file into rows 1..10: labels, sounds, sound files, the kit
// name, label colours and pans. A file that cannot be read or names fewer
// than ten rows is refused with one message and nothing changes. A sound that
// does not open (or a name that would lead outside the kit's folder) is
// reported with "I can't find <name>!" and its row is emptied.
void LoadKitFile(Window1& w, const fw::FolderItem& kitFile);

// Writes the current kit as `folder`, which CheckedKitFolder gave: the
// folder, a copy of each row's sound file and the kit file, all put in place
// at once. A sound file that is missing or can't be read is not copied: the
// rest is saved, the kit file names every row, and one message then names
// each sound left out. Any other step that fails removes what this save made
// (a kit folder it was replacing stays) and says why. Returns whether the kit
// was written.
bool WriteKitFolder(Window1& w, const fw::FolderItem& folder);

// The kit folder the kit would be saved as inside `parent`, or nullptr after
// telling the user why it cannot be: a kit name that is no folder name or is
// too long, a row name a kit file cannot hold, two different sound files of
// one name, a sound named like the kit file.
fw::FolderItemRef CheckedKitFolder(const Window1& w, const fw::FolderItem& parent);

}  // namespace files
