#!/usr/bin/env bash
# Installs what is missing, builds and starts Quellorin.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh" build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Quellorin under a virtual X server (xvfb-run)." >&2
  exec xvfb-run -a "$root/build/quellorin"
fi
exec "$root/build/quellorin"
