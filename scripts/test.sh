#!/usr/bin/env bash
# Installs what is missing, builds Quellorin and runs every test headless.
# With --sanitize the build goes to build-sanitize with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
dir=build
args=()
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-sanitize
  args=(-DQUELLORIN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
"$root/scripts/build.sh" "$dir" "${args[@]}"
export QT_QPA_PLATFORM=offscreen
cd "$root/$dir"
ctest --output-on-failure -j "$(nproc)"
