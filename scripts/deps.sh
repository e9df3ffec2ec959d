#!/usr/bin/env bash
# Installs the Debian packages Quellorin needs to build, run and test, but only those not yet installed.
# Packages named as arguments are installed besides (bench/deps.sh names the benchmarks' own).
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  # The quick edit-build-test loop (scripts/build.sh): Ninja, a compiler cache and a fast linker.
  ninja-build ccache lld
  qt6-base-dev qt6-base-dev-tools qt6-charts-dev libqt6opengl6-dev libsqlite3-dev libcups2-dev
  xvfb xauth fonts-dejavu-core fonts-liberation2
  cups cups-client cups-bsd cups-filters
  # clang with libFuzzer, for the fuzz targets (scripts/fuzz.sh) and continuous integration's clang
  # build.
  clang libclang-rt-14-dev
  # The static checks (scripts/lint.sh).
  clang-format clang-tidy
  # Every region's C library locale: tests run the program under German and French settings.
  locales-all
  # Qt's SVG support (the build draws the program's icon with it), and the tools that check and
  # build the package.
  qt6-svg-dev desktop-file-utils appstream dpkg-dev lintian
  # The Debian source package's build (debian/) and its checks (tests/install/package.sh).
  debhelper devscripts fakeroot
  # The accessibility bus and a client of it: the walk test reads the windows as a screen reader.
  at-spi2-core dbus-daemon python3-pyatspi
  # A screen reader with its speech service, and a typist on the virtual display: the screen-reader
  # test hears what Orca says while keys are typed as a person would.
  orca speech-dispatcher xdotool
  # Exact arithmetic for the statistics windows (Boost.Multiprecision, headers only: nothing to load).
  libboost-dev
  "$@"
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

# Another program may hold the package lock (on a fresh machine, often the machine's own updates):
# then apt-get is tried again every 10 s for up to 5 minutes, saying so, before giving up.
apt_get() {
  local errors waited=0
  errors=$(mktemp)
  while ! DEBIAN_FRONTEND=noninteractive $sudo apt-get "$@" 2>"$errors"; do
    if ! grep -qE 'Could not get lock|Unable to acquire the dpkg frontend lock|Unable to lock' "$errors" ||
      [ $waited -ge 300 ]; then
      cat "$errors" >&2
      rm -f "$errors"
      return 1
    fi
    if [ $waited -eq 0 ]; then sed 's/^/deps.sh: /' "$errors" >&2; fi
    echo "deps.sh: another program holds the package lock; waiting for it ($waited s of 300 s)" >&2
    sleep 10
    waited=$((waited + 10))
  done
  cat "$errors" >&2
  rm -f "$errors"
}
apt_get update -qq
apt_get install -y -qq --no-install-recommends "${missing[@]}"
