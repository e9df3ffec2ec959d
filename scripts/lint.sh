#!/usr/bin/env bash
# Static checks: every C++ file under src/ and tests/ laid out as .clang-format says, and the
# program's sources under src/ through clang-tidy with the checks of .clang-tidy, any warning an
# error. clang-tidy reads the compile commands of a build (default: build, configured here if it has
# none yet; a configure is enough, nothing needs building).
#   scripts/lint.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
dir=${1:-build}
case "$dir" in /*) ;; *) dir="$root/$dir" ;; esac
cd "$root"
status=0

# The layout.
mapfile -t files < <(find src tests \( -name '*.cpp' -o -name '*.h' \) -type f | sort)
report=$(mktemp)
trap 'rm -f "$report"' EXIT
if clang-format --dry-run -Werror "${files[@]}" 2>"$report"; then
  echo "lint: clang-format: ${#files[@]} files laid out as .clang-format says"
else
  cat "$report"
  flagged=$(grep -oE '^[^ :]+\.(cpp|h):[0-9]+:[0-9]+: error' "$report" | cut -d: -f1 | sort -u)
  echo "lint: clang-format: $(wc -l <<<"$flagged") of ${#files[@]} files differ from .clang-format;" \
    "clang-format -i FILE... lays them out:"
  sed 's/^/  /' <<<"$flagged"
  status=1
fi

# clang-tidy, two files at a time.
if [ ! -f "$dir/compile_commands.json" ]; then
  cmake -S "$root" -B "$dir" >/dev/null
fi
# Every source under src/ that the compile commands name (not the generated ones in the build); any
# warning is an error (WarningsAsErrors in .clang-tidy).
tidy() {
  if command -v run-clang-tidy >/dev/null; then
    run-clang-tidy -quiet -j 2 -p "$dir" "^$(sed 's/[][\.*^$()+?{}|]/\\&/g' <<<"$root")/src/"
  else
    find "$root/src" -name '*.cpp' | sort | xargs -P 2 -n 4 clang-tidy --quiet -p "$dir"
  fi
}
started=$SECONDS
if tidy; then
  echo "lint: clang-tidy: no warnings ($((SECONDS - started)) s)"
else
  echo "lint: clang-tidy: warnings above ($((SECONDS - started)) s)"
  status=1
fi
exit $status
