#include "tests/files/files_fixture.h"

#include <sndfile.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <utility>

#include "app/app.h"
#include "app/assets.h"
#include "app/startup.h"
#include "files/bank_format.h"
#include "platform/base/files.h"
#include "platform/base/numbers.h"

namespace filestest {

namespace {

fs::path root;

class StartedProgram : public ::testing::Environment {
 public:
  void SetUp() override {
    root = fs::temp_directory_path() / ("taktora-files-test-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root);
    // Message boxes are recorded, not shown, while an answerer is installed.
    fw::testing::SetDialogAnswerer([](fw::testing::DialogKind, const std::string&) { return ""; });
    fw::testing::ClearMessages();
    app_ = startup::MakeApplication();
    startup::MakeDefaultView();
    // The program's real start, from the build's folder with its default files.
    EXPECT_EQ(fw::testing::Messages(), std::vector<std::string>{});
  }
  void TearDown() override {
    startup::Finalize();
    app_.reset();
    fw::testing::ClearDialogAnswerer();
    fs::remove_all(root);
  }

 private:
  std::unique_ptr<App> app_;
};

[[maybe_unused]] auto* const kProgram = ::testing::AddGlobalTestEnvironment(new StartedProgram);

}  // namespace

void WriteWav(const fs::path& path, int frames) {
  SF_INFO info{0, 44100, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0, 0};
  SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
  std::vector<short> samples(static_cast<size_t>(frames));
  for (size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<short>(i % 50 * 300);
  sf_writef_short(f, samples.data(), frames);
  sf_close(f);
}

bank::BankValues StartupBank() {
  bank::BankValues v;
  for (auto& c : v.colors) c = {255, 255};
  for (int p = 1; p <= 50; ++p) v.hit(p, 0, 0) = 1;
  return v;
}

bank::BankValues RandomBank(uint32_t seed) {
  std::mt19937 rng(seed);
  bank::BankValues v;
  v.tempo = fw::Str(40 + rng() % 136);
  v.mode = "SemiTones";
  v.swing = fw::Str(rng() % 9);
  const std::array<int, 2> pans[5] = {{255, 0}, {255, 150}, {255, 255}, {150, 255}, {0, 255}};
  for (auto& c : v.colors) c = pans[rng() % 5];
  for (int p = 1; p <= 50; ++p) {
    v.hit(p, 0, 0) = 1 + int(rng() % 4);
    for (int r = 1; r <= 10; ++r)
      for (int s = 1; s <= 32; ++s)
        if (rng() % 4 == 0) {
          v.hit(p, r, s) = 1;
          v.velocity(p, r, s) = std::array{100, 50, 10}[rng() % 3];
        }
  }
  return v;
}

std::string WithValue(std::string text, int index, const std::string& value) {
  auto pieces = fw::Split(text, "*");
  pieces[index] = value;
  text.clear();
  for (size_t i = 0; i + 1 < pieces.size(); ++i) text += pieces[i] + "*";
  return text;
}

void WriteText(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string ReadText(const fs::path& path) {
  return {std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {}};
}

std::vector<std::string> Listing(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

void FilesTest::SetUp() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  dir = root / (std::string(info->test_suite_name()) + "." + info->name());
  fs::remove_all(dir);
  fs::create_directories(dir / "app");
  Answer("");
  // A start without default files: the document as the window's Open event
  // leaves it, from an application folder that holds nothing.
  fw::SetApplicationFolder(dir / "app");
  for (int p = 1; p <= 50; ++p)
    for (int r = 0; r <= 10; ++r)
      for (int s = 0; s <= 32; ++s) w.Hit(p, r, s) = w.SV(p, r, s) = 0;
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

void FilesTest::Answer(const std::string& path) {
  answer_ = path;
  fw::testing::SetDialogAnswerer([this](fw::testing::DialogKind, const std::string& s) {
    asked.push_back(s);
    return std::exchange(answer_, "");
  });
}

void FilesTest::LoadKit(const fs::path& kitFile) {
  Answer(kitFile.string());
  w.KitLoad_MouseDown(w.Get<fw::Canvas>("KitLoad"), 1, 1);
}

::testing::AssertionResult FilesTest::OneMessage(const std::string& start,
                                                 const std::string& part) {
  const std::vector<std::string> m = Messages();
  fw::testing::ClearMessages();
  if (m.size() == 1 && m[0].rfind(start, 0) == 0 && m[0].find(part) != std::string::npos)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << m.size() << " messages, the first: " << (m.empty() ? "" : m[0]);
}

void FilesTest::ExpectEmpty(int row, fw::Color colour) {
  EXPECT_EQ(w.StaticText3(row).Text(), "Empty") << row;
  EXPECT_EQ(w.StaticText3(row).TextColor(), colour) << row;
  EXPECT_EQ(w.S(row), blank()) << row;
  EXPECT_FALSE(w.SoundItem(row)) << row;
}

}  // namespace filestest
