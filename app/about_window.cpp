#include "app/about_window.h"

#include "app/assets.h"
#include "app/static_url.h"
#include "layout/window_records.h"
#include "platform/ui/design_record.h"

AboutTaktora& AboutTaktora::Instance() { return fw::ImplicitInstance<AboutTaktora>(kClassName); }

void AboutTaktora::Layout() { fw::ApplyRecord(*this, kAboutTaktoraRecord); }

void AboutTaktora::CreateControls() { _CreateControls0(); }

void AboutTaktora::_CreateControls0() {
  auto& icon = New<fw::Canvas>("cnvIcon");
  icon.SetBackdrop(TKtrIcon());
  fw::ApplyRecord(icon, kAboutCnvIconRecord);
  fw::ApplyRecord(New<fw::StaticText>("stName"), kAboutStNameRecord);
  fw::ApplyRecord(New<fw::StaticText>("stDescription"), kAboutStDescriptionRecord);
  fw::ApplyRecord(New<fw::StaticText>("StaticText2"), kAboutStaticText2Record);
  fw::ApplyRecord(New<stStaticURL>("stStaticURL2"), kAboutStStaticURL2Record);
}

bool AboutTaktora::Event_MouseDown(int, int) {
  Close();
  return false;
}
