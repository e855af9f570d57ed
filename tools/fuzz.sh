#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) in build-fuzz/
# and runs each for SECONDS (default 30) on a copy of its seeds in fuzz/corpus/.
# Seeds kept as hex text (*.hex) are turned into bytes first.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DDOMISOL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzzers
export QT_QPA_PLATFORM=offscreen
for target in datafiles hangul picture; do
  corpus=build-fuzz/corpus/$target
  rm -rf "$corpus"
  mkdir -p "$corpus"
  for seed in fuzz/corpus/$target/*; do
    case $seed in
      *.hex) xxd -r -p "$seed" >"$corpus/$(basename "$seed" .hex)" ;;
      *) cp "$seed" "$corpus/" ;;
    esac
  done
  echo "fuzz_$target: ${seconds} s"
  build-fuzz/fuzz/fuzz_$target -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
    -print_final_stats=1 "$corpus" 2>&1 | tail -n 12
  [ "${PIPESTATUS[0]}" -eq 0 ] || { echo "fuzz_$target failed" >&2; exit 1; }
done
