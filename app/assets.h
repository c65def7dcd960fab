// The program's pictures and its one sound, each fetched from the resources by
// number on first use and kept until ReleaseAssets at exit.
#pragma once
#include "platform/sound/sound.h"
#include "platform/ui/picture.h"

fw::PictureRef lilredbutton();     // 168
fw::PictureRef lilgreenbutton();   // 169
fw::PictureRef twothirdsvolume();  // 170
fw::PictureRef upArrow();          // 171
fw::PictureRef downArrow();        // 172
fw::PictureRef halfvolume();       // 173
fw::PictureRef red();              // 174
fw::PictureRef clearbutton();      // 175
fw::PictureRef greenbutton();      // 176
fw::PictureRef bluebuttonon();     // 179
fw::PictureRef lightstrip();       // 181
fw::PictureRef light();            // 182
fw::PictureRef playbutton();       // 184
fw::PictureRef TKtrIcon();         // 187
fw::SoundRef blank();              // sound 168
fw::PictureRef barlime();          // 188
fw::PictureRef barorange();        // 189
fw::PictureRef barred();           // 190
fw::PictureRef baryellow();        // 191
fw::PictureRef bargreen();         // 192
fw::PictureRef savepict();         // 193
fw::PictureRef lilbrownbutton();   // 194
fw::PictureRef lilbluebutton();    // 195
fw::PictureRef loadkit();          // 198
fw::PictureRef newkit();           // 199
fw::PictureRef savekit();          // 200
fw::PictureRef volumebutton();     // 201
fw::PictureRef dice();             // 202
fw::PictureRef clearbuttoncopy();  // 203
fw::PictureRef TKDrumscopy1();     // 205
fw::PictureRef gridoff1();         // 206
fw::PictureRef gridon4();          // 207

// Releases every cached asset in table order (lilredbutton first, gridon4 last).
void ReleaseAssets();
