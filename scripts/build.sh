#!/usr/bin/env bash
# Configures and builds Quellorin into the folder given (default: build), with the developers'
# quick loop (ccache, lld, split debug information; Ninja for a new folder), the tests and the
# benchmarks, and warnings as errors. Extra arguments go to CMake's configure step, after these
# (-DBUILD_TESTING=OFF leaves the tests out, -DCMAKE_COMPILE_WARNING_AS_ERROR=OFF lets warnings pass).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-build}
shift || true
generator=()
# A folder configured before keeps the generator it was made with.
if [ ! -f "$root/$dir/CMakeCache.txt" ] && command -v ninja >/dev/null; then
  generator=(-G Ninja)
fi
cmake -S "$root" -B "$root/$dir" "${generator[@]}" -DQUELLORIN_FAST_LOOP=ON -DBUILD_TESTING=ON \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON "$@" >/dev/null
cmake --build "$root/$dir" -j "$(nproc)"
