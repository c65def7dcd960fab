// The six named file types offered by the file dialogs, made once at start-up
// and released at exit.
#pragma once
#include "platform/ui/dialogs.h"

namespace FileTypes1 {
void Initialize();  // creates pText, pTRKit, pWav, pAiff, pAny, pSd2
void Finalize();    // releases them in that order
const fw::FileType* pText();
const fw::FileType* pTRKit();
const fw::FileType* pWav();
const fw::FileType* pAiff();
const fw::FileType* pAny();
const fw::FileType* pSd2();
}  // namespace FileTypes1
