#!/usr/bin/env bash
# Plants each deliberate fault below in the program, builds, runs the whole
# test suite, and reverts; reports every fault that no test caught.
#   tools/mutation_check.sh [BUILD_DIR]   (default build-mutants; not for CI)
set -uo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build-mutants}
# ccache makes the rebuild after each fault quick; without it the script works,
# only slower.
LAUNCHER=()
command -v ccache >/dev/null && LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${LAUNCHER[@]}" >/dev/null || exit 1

# name | file | sed script
MUTANTS=(
  "contextual cycle|grid/step_cells.cpp|s/== 50 ? Action::Velocity10/== 100 ? Action::Velocity10/"
  "bank writer order|files/bank_format.cpp|s/for (int v : values.cells) put(fw::Str(v));/for (size_t i = 0; i + 1 < values.cells.size(); i += 2) { put(fw::Str(values.cells[i + 1])); put(fw::Str(values.cells[i])); }/"
  "swing 0|engine/timing.cpp|s/{1.0, 1.0}, {0.9/{1.0, 1.01}, {0.9/"
  "swing 1|engine/timing.cpp|s/{0.9, 1.1}/{0.9, 1.11}/"
  "swing 2|engine/timing.cpp|s/{0.85, 1.15}/{0.85, 1.16}/"
  "swing 3|engine/timing.cpp|s/{0.8, 1.2}/{0.81, 1.2}/"
  "swing 4|engine/timing.cpp|s/{0.75, 1.25}/{0.75, 1.26}/"
  "swing 5|engine/timing.cpp|s/{0.7, 1.3}/{0.71, 1.3}/"
  "swing 6|engine/timing.cpp|s/{0.65, 1.35}/{0.65, 1.36}/"
  "swing 7|engine/timing.cpp|s/{0.6, 1.4}/{0.61, 1.4}/"
  "swing 8|engine/timing.cpp|s/{0.55, 1.45}/{0.55, 1.46}/"
  "centre colour|grid/pans.cpp|s/kCentre{255, 255, 0}/kCentre{255, 250, 0}/"
  "centre pan|grid/pans.cpp|s/kCentre{255, 255, 0}/kCentre{255, 255, 5}/"
  "half right colour|grid/pans.cpp|s/kRightish{255, 150, 60}/kRightish{255, 140, 60}/"
  "half right pan|grid/pans.cpp|s/kRightish{255, 150, 60}/kRightish{255, 150, 50}/"
  "right colour|grid/pans.cpp|s/kRight{255, 0, 100}/kRight{250, 0, 100}/"
  "right pan|grid/pans.cpp|s/kRight{255, 0, 100}/kRight{255, 0, 90}/"
  "half left colour|grid/pans.cpp|s/kLeftish{150, 255, -60}/kLeftish{140, 255, -60}/"
  "half left pan|grid/pans.cpp|s/kLeftish{150, 255, -60}/kLeftish{150, 255, 60}/"
  "left colour|grid/pans.cpp|s/kLeft{0, 255, -100}/kLeft{0, 250, -100}/"
  "left pan|grid/pans.cpp|s/kLeft{0, 255, -100}/kLeft{0, 255, -90}/"
  "red bar|grid/pans.cpp|/RedBar_MouseDown/{n;s/kRight)/kRightish)/}"
  "orange bar|grid/pans.cpp|/OrangeBar_MouseDown/{n;s/kRightish)/kRight)/}"
  "yellow bar|grid/pans.cpp|/Yellowbar_MouseDown/{n;s/kCentre)/kLeftish)/}"
  "lime bar|grid/pans.cpp|/Limebar_MouseDown/{n;s/kLeftish)/kLeft)/}"
  "green bar|grid/pans.cpp|/GreenBar_MouseDown/{n;s/kLeft)/kLeftish)/}"
  "short bank|files/bank_format.cpp|s/^  if (pieces.size() < static_cast<size_t>(kValueCount)) {/  while (pieces.size() < static_cast<size_t>(kValueCount)) pieces.push_back(\"0\");\n  if (false) {/"
  "nine-field kit|files/kit_format.cpp|s/if (i == 9) {/if (i >= 8) {/"
  "too-large bank|files/text_file.h|s/kMaxBankBytes = 16u << 20/kMaxBankBytes = size_t{16} << 30/"
  "half-written step|grid/step_cells.cpp|s/^  w.Hit(w.Pattern, row, step) = 1;/  w.Hit(w.Pattern, row, step) = 1;\n  fw::YieldToNextThread();/"
  "repeat short of the last step|grid/step_cells.cpp|s/j <= w.NumBeats/j < w.NumBeats/"
  "pan colour 256|files/bank_format.cpp|s/number > 255)/number > 256)/"
  "pan colour -1|files/bank_format.cpp|s/number < 0 /number < -1 /"
  "newest voice dropped|platform/sound/mixer.cpp|s/\.order < voices_/.order > voices_/"
  "paste before copy|grid/pattern_ops.cpp|s/if (OldPattern < 1) return;/if (OldPattern < 0) return;/"
  "volume unheard|engine/play_loop.cpp|s/w_\.percentvolume \* w_\.SV(/w_.SV(/"
  "velocity to step 31|files/bank_format.cpp|s/s >= 1 \&\& s <= 32)/s >= 1 \&\& s <= 31)/"
  "velocity to pattern 49|files/bank_format.cpp|s/for (int p = 1; p <= kPatterns; ++p)/for (int p = 1; p < kPatterns; ++p)/"
)

survivors=0
for m in "${MUTANTS[@]}"; do
  IFS='|' read -r name file script <<<"$m"
  sed -i "$script" "$file"
  if git diff --quiet -- "$file"; then
    echo "NOT APPLIED  $name"
    survivors=$((survivors + 1))
    continue
  fi
  if ! cmake --build "$BUILD" -j4 >/dev/null 2>&1; then
    echo "NO BUILD     $name"
    survivors=$((survivors + 1))
  elif out=$(cd "$BUILD" && ctest -j4 --timeout 30 --stop-on-failure 2>&1); then
    echo "SURVIVED     $name"
    survivors=$((survivors + 1))
  else
    # A fault in the default files can leave a message box open: a timeout.
    echo "caught       $name by $(grep -m1 -F '***' <<<"$out" | sed 's/.*Test *#[0-9]*: //')"
  fi
  git checkout -q -- "$file"
done
cmake --build "$BUILD" -j4 >/dev/null 2>&1
echo "$survivors fault(s) not caught"
exit $((survivors > 0))
