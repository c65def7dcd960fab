#include "tests/files/files_fixture.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <memory>
#include <sstream>

#include "app/app.h"
#include "app/assets.h"
#include "app/startup.h"
#include "files/bank_format.h"
#include "platform/files.h"

namespace filestest {

namespace {

fs::path& Root() {
  static fs::path root;
  return root;
}

std::vector<std::string>& StartMessages() {
  static std::vector<std::string> m;
  return m;
}

void Put16(std::ofstream& out, uint16_t v) { out.put(char(v & 0xFF)).put(char(v >> 8)); }
void Put32(std::ofstream& out, uint32_t v) {
  Put16(out, uint16_t(v & 0xFFFF));
  Put16(out, uint16_t(v >> 16));
}

// The default files of the started program: a kit whose row 4 sound is
// missing, and a bank with tempo 96, swing 2, row 5 panned left and a
// 20-step pattern 1.
void MakeDefaultFiles(const fs::path& app) {
  const fs::path kit = app / "TKTRKits" / "Default Kit";
  fs::create_directories(kit);
  for (const char* name : {"kick.wav", "snare.wav", "hat.wav"}) WriteWav(kit / name);
  WriteText(kit / "Default Kit.trk",
            "kick.wav*snare.wav*Empty*missing.wav*hat.wav*Empty*Empty*Empty*Empty*Empty*");
  bank::BankValues v;
  v.tempo = "96";
  v.swing = "2";
  for (auto& c : v.colors) c = {255, 255};
  v.colors[4] = {0, 255};
  for (int p = 1; p <= 50; ++p) v.hit(p, 0, 0) = 1;
  v.hit(1, 0, 0) = 4;
  v.hit(1, 1, 1) = 1;
  v.velocity(1, 1, 1) = 100;
  fs::create_directories(app / "Patterns");
  WriteText(app / "Patterns" / "My Pattern", bank::WriteBank(v));
}

class StartedProgram : public ::testing::Environment {
 public:
  void SetUp() override {
    Root() = fs::temp_directory_path() / ("taktora-files-test-" + std::to_string(::getpid()));
    fs::remove_all(Root());
    fs::create_directories(Root() / "app");
    MakeDefaultFiles(Root() / "app");
    fw::SetApplicationFolder(Root() / "app");
    // Message boxes are recorded, not shown, while an answerer is installed.
    fw::testing::SetDialogAnswerer([](fw::testing::DialogKind, const std::string&) { return ""; });
    fw::testing::ClearMessages();
    app_ = startup::MakeApplication();
    startup::MakeDefaultView();
    StartMessages() = fw::testing::Messages();
  }
  void TearDown() override {
    startup::Finalize();
    app_.reset();
    fw::testing::ClearDialogAnswerer();
    fs::remove_all(Root());
  }

 private:
  std::unique_ptr<App> app_;
};

[[maybe_unused]] auto* const kProgram = ::testing::AddGlobalTestEnvironment(new StartedProgram);

}  // namespace

void WriteWav(const fs::path& path, int frames) {
  std::ofstream out(path, std::ios::binary);
  const uint32_t data = uint32_t(frames) * 2;
  out << "RIFF";
  Put32(out, 36 + data);
  out << "WAVEfmt ";
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, 1);  // mono
  Put32(out, 44100);
  Put32(out, 44100 * 2);
  Put16(out, 2);
  Put16(out, 16);
  out << "data";
  Put32(out, data);
  for (int i = 0; i < frames; ++i) Put16(out, uint16_t((i % 50) * 300));
}

void WriteText(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::string> Listing(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

const std::vector<std::string>& StartupMessages() { return StartMessages(); }
const fs::path& StartupFolder() {
  static const fs::path app = Root() / "app";
  return app;
}

void FilesTest::SetUp() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  dir = Root() / (std::string(info->test_suite_name()) + "." + info->name());
  fs::remove_all(dir);
  fs::create_directories(dir / "app");
  Answer({});
  // A start without default files: the document as the window's Open event
  // leaves it, from an application folder that holds nothing.
  fw::SetApplicationFolder(dir / "app");
  w.playon = false;
  for (int p = 1; p <= 50; ++p)
    for (int r = 0; r <= 10; ++r)
      for (int s = 0; s <= 32; ++s) {
        w.Hit(p, r, s) = 0;
        w.SV(p, r, s) = 0;
      }
  for (int row = 1; row <= 10; ++row) {
    w.StaticText3(row).SetText("Empty");
    w.StaticText3(row).SetTextColor(0x63393D);
    w.SoundItem(row) = nullptr;
  }
  blank()->Pan = 0;
  w.SaveTo = nullptr;
  w.StaticText1().SetText("120");
  w.OctaveText().SetText("Octaves");
  w.SwingText().SetText("0");
  w.Swing = 0;
  w.PatternText().SetText("Untitled");
  w.Event_Open();
  fw::testing::ClearMessages();
}

void FilesTest::TearDown() {
  if (auto* d = fw::GetImplicitWindow("wSaveReplace")) d->Close();
  fw::testing::ProcessEvents(0);
}

void FilesTest::Answer(std::vector<std::string> paths) {
  answers_ = std::move(paths);
  std::reverse(answers_.begin(), answers_.end());
  fw::testing::SetDialogAnswerer([this](fw::testing::DialogKind kind, const std::string& s) {
    asked.push_back({kind, s});
    if (answers_.empty()) return std::string();
    std::string next = answers_.back();
    answers_.pop_back();
    return next;
  });
}

void FilesTest::OwnSounds() {
  for (int row = 1; row <= 10; ++row) w.S(row) = blank()->Clone();
}

}  // namespace filestest
