#!/usr/bin/env bash
# Installs what the benchmarks need beyond the program's own packages (scripts/deps.sh): the
# desktop calculator bench_first_window times beside the program for comparison. Nothing of the
# program uses it. Installs only what is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"

# libxcb1-dev: bench_first_window speaks to its X server through libxcb.
packages=(speedcrunch libxcb1-dev)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
