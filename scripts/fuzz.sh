#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) in build-fuzz/
# and runs each one for a bounded time from a seed corpus made afresh.
#   scripts/fuzz.sh            about 60 s per target
#   FUZZ_SECONDS=600 scripts/fuzz.sh
# Inputs that break a reader are kept in build-fuzz/findings/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-60}"
dir=build-fuzz
targets=(bmp_reader saved_game settings_store)

CC=clang CXX=clang++ cmake -S . -B "$dir" -DKORVALO_FUZZ=ON -DKORVALO_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

work="$dir/fuzz-run"
rm -rf "$work"
mkdir -p "$work/seeds"
python3 fuzz/make_seeds.py "$work/seeds"

# Leak checks need ptrace, which containers often forbid; -rss_limit_mb
# still stops a reader that keeps what it reads.
export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1
failed=()
for t in "${targets[@]}"; do
  mkdir -p "$work/corpus/$t" "$dir/findings/$t"
  echo "== fuzz_$t for ${seconds}s"
  if ! "$dir/fuzz_$t" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="$dir/findings/$t/" \
       "$work/corpus/$t" "$work/seeds/$t" >"$work/$t.log" 2>&1; then
    failed+=("$t")
    tail -n 60 "$work/$t.log"
  else
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)|^#[0-9]+.*DONE' "$work/$t.log" || true
  fi
done
if [ "${#failed[@]}" -ne 0 ]; then
  echo "fuzzing found failures in: ${failed[*]} (inputs in $dir/findings/)"
  exit 1
fi
echo "fuzzing: no failures"
