#!/usr/bin/env bash
# Installs the Debian packages Quellorin needs to build, run and test, but only those not yet installed.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  # The quick edit-build-test loop (scripts/build.sh): Ninja, a compiler cache and a fast linker.
  ninja-build ccache lld
  qt6-base-dev qt6-base-dev-tools qt6-charts-dev libqt6opengl6-dev libsqlite3-dev libcups2-dev
  xvfb xauth fonts-dejavu-core fonts-liberation2
  cups cups-client cups-bsd cups-filters
  # clang with libFuzzer, for the fuzz targets (scripts/fuzz.sh).
  clang libclang-rt-14-dev
  # The static checks (scripts/lint.sh).
  clang-format clang-tidy
  # Every region's C library locale: tests run the program under German and French settings.
  locales-all
  # Qt's SVG support (the build draws the program's icon with it), and the tools that check and
  # build the package.
  qt6-svg-dev desktop-file-utils appstream dpkg-dev lintian
  # The accessibility bus and a client of it: the walk test reads the windows as a screen reader.
  at-spi2-core dbus-daemon python3-pyatspi
  # A screen reader with its speech service, and a typist on the virtual display: the screen-reader
  # test hears what Orca says while keys are typed as a person would.
  orca speech-dispatcher xdotool
  # Exact arithmetic for the statistics windows (Boost.Multiprecision, headers only: nothing to load).
  libboost-dev
)

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
