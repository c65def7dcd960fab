// Design records of the three windows and of the controls of the two small
// windows (the About window and the replace dialog).
#pragma once
#include <string_view>

extern const std::string_view kWindow1Record;
extern const std::string_view kAboutTaktoraRecord;
extern const std::string_view kSaveReplaceRecord;

// About window controls, in creation order.
extern const std::string_view kAboutCnvIconRecord;
extern const std::string_view kAboutStNameRecord;
extern const std::string_view kAboutStDescriptionRecord;
extern const std::string_view kAboutStaticText2Record;
extern const std::string_view kAboutStStaticURL2Record;

// Replace dialog controls, in creation order (their entries stand in reverse
// order, TabIndex last).
extern const std::string_view kReplaceStaticText1Record;
extern const std::string_view kReplacePushButton1Record;
extern const std::string_view kReplacePushButton2Record;
extern const std::string_view kReplaceCanvas1Record;
