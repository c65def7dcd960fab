#!/bin/sh
# Builds the reader fuzz target with clang's libFuzzer and runs it.
#   fuzz/fuzz_readers.sh [seconds]      (default 120)
# Needs clang-14 and libclang-rt-14-dev. Work files go to build-fuzz/.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
out="$here/build-fuzz"
seconds=${1:-120}
mkdir -p "$out/corpus"
clang++-14 -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I"$here" "$here/fuzz/fuzz_readers.cpp" "$here/files/bank_format.cpp" \
  "$here/files/kit_format.cpp" "$here/platform/numbers.cpp" -o "$out/fuzz_readers"
# Seeds: an empty kit, a full kit, and a start-up bank in whole and spliced form.
printf '\001Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*Empty*' >"$out/corpus/kit_empty"
printf '\001a.wav*b.wav*Empty*Empty*Empty*Empty*Empty*Empty*Empty*j.wav' >"$out/corpus/kit_full"
printf '\002\000\027999' >"$out/corpus/splice_meter"
printf '\002\000\00060' >"$out/corpus/splice_tempo"
{
  printf '\000120*Octaves*0*'
  i=0
  while [ $i -lt 10 ]; do printf '255*255*'; i=$((i + 1)); done
  p=0
  while [ $p -lt 50 ]; do
    printf '1*0*'
    j=1
    while [ $j -lt 363 ]; do printf '0*0*'; j=$((j + 1)); done
    p=$((p + 1))
  done
} >"$out/corpus/bank_startup"
"$out/fuzz_readers" -max_total_time="$seconds" -max_len=100000 -print_final_stats=1 "$out/corpus"
