#!/usr/bin/env bash
# Configures and builds Quellorin into the folder given (default: build), with the developers'
# quick loop (ccache, lld, split debug information; Ninja for a new folder). Extra arguments go to
# CMake's configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-build}
shift || true
generator=()
# A folder configured before keeps the generator it was made with.
if [ ! -f "$root/$dir/CMakeCache.txt" ] && command -v ninja >/dev/null; then
  generator=(-G Ninja)
fi
cmake -S "$root" -B "$root/$dir" "${generator[@]}" -DQUELLORIN_FAST_LOOP=ON "$@" >/dev/null
cmake --build "$root/$dir" -j "$(nproc)"
