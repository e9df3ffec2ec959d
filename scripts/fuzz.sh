#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer in build-fuzz/ and runs each in turn for a bounded
# time (the first argument, in seconds per target; 60 by default) over its corpus in
# tests/fuzz/corpus/. New inputs it finds are kept in a temporary folder, not in the repository.
# Fails on a crash or a broken rule; the input that did it is left in build-fuzz/artifacts/, and
# `build-fuzz/fuzz_TARGET FILE` replays it. The random seed is fixed (FUZZ_SEED, 1 by default), so
# that CI's verdict does not hang on the draw; FUZZ_SEED=0 lets each run pick its own.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
seed=${FUZZ_SEED:-1}
"$root/scripts/deps.sh"
cmake -S "$root" -B "$root/build-fuzz" -DCMAKE_CXX_COMPILER=clang++ -DQUELLORIN_FUZZ=ON >/dev/null
cmake --build "$root/build-fuzz" --target fuzz_numbers fuzz_equations -j "$(nproc)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$root/build-fuzz/artifacts"
for target in numbers equations; do
  echo "Fuzzing $target for $seconds s"
  mkdir -p "$work/$target"
  "$root/build-fuzz/fuzz_$target" -max_total_time="$seconds" -seed="$seed" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$root/build-fuzz/artifacts/$target-" \
    "$work/$target" "$root/tests/fuzz/corpus/$target"
done
