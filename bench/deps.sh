#!/usr/bin/env bash
# Installs what the benchmarks need beyond the program's own packages (scripts/deps.sh): the
# desktop calculator bench_first_window times beside the program for comparison, which nothing of
# the program uses, and libxcb's headers, through which bench_first_window speaks to its X server.
# Installs only what is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" speedcrunch libxcb1-dev
