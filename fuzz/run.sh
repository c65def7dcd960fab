#!/usr/bin/env bash
# Builds every libFuzzer target and runs them side by side.
#   fuzz/run.sh [seconds]      (default 60, for each target)
# Needs clang-14 and libclang-rt-14-dev (./dev fuzz installs them). Work files go
# to build-fuzz/: the corpora grow there from run to run; a crashing input is
# kept in build-fuzz/artifacts/ and its path printed, and the script fails.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out="$here/build-fuzz"
seconds=${1:-60}
mkdir -p "$out/obj" "$out/artifacts"
cxx=(clang++-14)
command -v ccache >/dev/null && cxx=(ccache clang++-14)
flags=(-std=c++20 -g -O1 -Wall -Wextra -fno-sanitize-recover=all -I"$here")

# Only the sources a target needs are built, each object once (ccache shares
# them between clones and runs).
compile() {  # compile SOURCE [extra flags...]
  local src=$1; shift
  local obj="$out/obj/${src//\//_}.o"
  "${cxx[@]}" "${flags[@]}" "$@" -c "$here/$src" -o "$obj"
  echo "$obj"
}
target() {  # target NAME SOURCE... -- LIBS...
  local name=$1 objs=() libs=(); shift
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do
    objs+=("$(compile "$1" -fsanitize=fuzzer-no-link,address,undefined)"); shift
  done
  [ $# -gt 0 ] && shift && libs=("$@")
  clang++-14 -fsanitize=fuzzer,address,undefined "${objs[@]}" "${libs[@]}" -o "$out/$name"
}

target fuzz_readers fuzz/fuzz_readers.cpp files/bank_format.cpp files/kit_format.cpp \
  platform/base/numbers.cpp &
target fuzz_sound fuzz/fuzz_sound.cpp platform/sound/decode.cpp platform/base/regular_file.cpp -- -lsndfile -lsamplerate &
"${cxx[@]}" -std=c++20 -O1 -Wall -Wextra "$here/fuzz/sound_seeds.cpp" -lsndfile \
  -o "$out/sound_seeds" &
for job in $(jobs -p); do wait "$job"; done

# Seeds for the readers: an empty kit, a full kit, a start-up bank in whole and
# spliced form.
seeds="$out/corpus/fuzz_readers"
mkdir -p "$seeds"
printf '\001Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*' >"$seeds/kit_empty"
printf '\001a.wav*b.wav*Empty*Empty*Empty*Empty*Empty*Empty*Empty*j.wav' >"$seeds/kit_full"
printf '\002\000\027999' >"$seeds/splice_meter"
printf '\002\000\00060' >"$seeds/splice_tempo"
{
  printf '\000120*Octaves*0*'
  for _ in $(seq 10); do printf '255*255*'; done
  for _ in $(seq 50); do
    printf '1*0*'
    for _ in $(seq 362); do printf '0*0*'; done
  done
} >"$seeds/bank_startup"
# Seeds for the sound files: tiny files of every kind libsndfile writes.
mkdir -p "$out/corpus/fuzz_sound"
"$out/sound_seeds" "$out/corpus/fuzz_sound" >/dev/null

# Each target's longest input: a whole bank; for sounds, small enough that a
# conversion stays cheap, large enough for the compressed seeds.
declare -A max_len=([fuzz_readers]=100000 [fuzz_sound]=8192)
pids=()
for name in fuzz_readers fuzz_sound; do
  LSAN_OPTIONS="suppressions=$here/fuzz/lsan.supp" "$out/$name" -max_total_time="$seconds" -max_len="${max_len[$name]}" -timeout=20 \
    -rss_limit_mb=2048 -malloc_limit_mb=512 -print_final_stats=1 \
    -artifact_prefix="$out/artifacts/$name-" "$out/corpus/$name" >"$out/$name.log" 2>&1 &
  pids+=($!)
done
failed=0
i=0
for name in fuzz_readers fuzz_sound; do
  if wait "${pids[$i]}"; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/$name.log")
    took=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$out/$name.log")
    echo "$name: ${runs:-?} inputs in ${took:-?} s, no fault"
  else
    failed=1
    tail -n 40 "$out/$name.log"
    reproducer=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$out/$name.log" | tail -n 1)
    echo "$name FAILED; reproducer: ${reproducer:-none written, see $out/$name.log}"
    echo "  repeat with: $out/$name ${reproducer:-}"
  fi
  i=$((i + 1))
done
exit "$failed"
