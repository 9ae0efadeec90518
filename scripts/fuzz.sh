#!/usr/bin/env bash
# Fuzzes the calendar store: reading any bytes, and writing one change back. Builds the two
# libFuzzer targets with clang (build/fuzz) and runs each for SECONDS (default 600), starting
# from the project's own calendars and what earlier runs found (build/fuzz/corpus-*).
# An input that breaks a property is kept in build/fuzz/findings; copy it into
# fuzz/regressions/<target>/ and the test suite checks it from then on.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"

cmake -S fuzz -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build/fuzz -j2

mkdir -p build/fuzz/findings build/fuzz/seeds-write_back
# The write-back target reads a change from its first 32 bytes: its seeds are the calendars
# behind each kind of change.
for seed in fuzz/seeds/*; do
  for kind in 0 1 2 3 4 5; do
    { printf "\\00$kind\\00$kind"; head -c 30 /dev/zero; cat "$seed"; } \
      >"build/fuzz/seeds-write_back/$kind-$(basename "$seed")"
  done
done
seeds_read_calendar=fuzz/seeds
seeds_write_back=build/fuzz/seeds-write_back
status=0
for target in read_calendar write_back; do
  corpus="build/fuzz/corpus-$target"
  mkdir -p "fuzz/regressions/$target"
  mkdir -p "$corpus"
  echo "== fuzz_$target, ${seconds}s =="
  build/fuzz/fuzz_$target -max_total_time="$seconds" -max_len=16384 -timeout=20 \
    -artifact_prefix=build/fuzz/findings/$target- -print_final_stats=1 \
    "$corpus" "$(eval echo \$seeds_$target)" "fuzz/regressions/$target" \
    2>build/fuzz/$target.log || status=1
  grep -E "^(#[0-9]+ +DONE|stat::number_of_executed_units|Done)" build/fuzz/$target.log || true
  grep -m1 -A3 -E "ERROR|property broken|deadly signal" build/fuzz/$target.log || true
done
exit $status
