#!/usr/bin/env bash
# The Debian package, built as a distribution builds it: dpkg-buildpackage on a clean copy of the
# tree (every file git tracks or would track), twice, in different folders, at different times,
# under different time zones, locales and umasks, and the two sets of binary packages compared byte
# for byte. Then the package from the first build is checked: its control fields and contents,
# lintian on the whole upload (any error or warning fails; the info and pedantic tags are shown),
# hardening-check on the program, an install into an empty root and its removal leaving nothing
# behind, apt finding everything it depends on, and the program started as its menu entry starts it.
# Slow (two package builds with the distribution's flags, no compiler cache): continuous
# integration (.ci/run) runs it, the test suite does not.
#   tests/install/package.sh [WORK_DIR]     (default: build-package; emptied first)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
"$root/scripts/deps.sh"
work=${1:-build-package}
case "$work" in /*) ;; *) work="$root/$work" ;; esac
rm -rf "$work"
mkdir -p "$work"
started=$SECONDS

fail() {
  echo "package: FAILED: $*" >&2
  exit 1
}
say() { echo "package: $*"; }

version=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
project_version=$(sed -n 's/^project(Quellorin VERSION \([^ ]*\) .*/\1/p' "$root/CMakeLists.txt")
[ "$version" = "$project_version" ] ||
  fail "debian/changelog is at version $version, CMakeLists.txt at $project_version"
arch=$(dpkg --print-architecture)

# A copy of the tree as a clone of it would hold it, with this folder's changes.
copy() {
  mkdir -p "$1"
  (cd "$root" && git ls-files -z --cached --others --exclude-standard |
    tar --null --files-from=- --ignore-failed-read -cf - 2>/dev/null) | tar -xf - -C "$1"
}

# build FOLDER LOG UMASK [VAR=VALUE...]: dpkg-buildpackage in FOLDER, with the umask and the
# environment given.
build() {
  local folder=$1 log=$2 mask=$3
  shift 3
  say "building in $folder ($(date -u +%H:%M:%S) UTC)"
  if ! (cd "$folder" && umask "$mask" && env "$@" DEB_BUILD_OPTIONS="parallel=$(nproc)" dpkg-buildpackage -us -uc >"$log" 2>&1); then
    tail -n 60 "$log" >&2
    fail "dpkg-buildpackage failed in $folder (the whole log: $log)"
  fi
}

first=$work/first
copy "$first/quellorin-$version"
build "$first/quellorin-$version" "$first/build.log" 022 TZ=UTC LC_ALL=C.UTF-8

deb=$first/quellorin_${version}_$arch.deb
[ -f "$deb" ] || fail "no quellorin_${version}_$arch.deb"

# The control fields: what the program needs, from dpkg-shlibdeps, and libcups2, which the program
# loads on its first print; Qt's X11 platform plugin comes with libqt6gui6.
fields=$(dpkg-deb --field "$deb" Package Version Section Depends Recommends)
for field in "Package: quellorin" "Version: $version" "Section: education" libqt6widgets6 libqt6gui6 \
  libqt6charts6 libsqlite3-0 libcups2 qt6-wayland; do
  grep -qF -- "$field" <<<"$fields" || fail "the control fields lack $field: $fields"
done
! grep -qF qt6-qpa-plugins <<<"$fields" || fail "the package asks for qt6-qpa-plugins: $fields"

# The contents: the program's folder, the link in bin, the desktop's files, the documentation; no
# test program, benchmark or build tool.
contents=$(dpkg-deb --contents "$deb" | awk '{ $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }')
for entry in "./usr/bin/quellorin -> ../lib/quellorin/quellorin" ./usr/lib/quellorin/quellorin \
  ./usr/lib/quellorin/QuellorinData.mdb "./usr/lib/quellorin/Data Tables.txt" \
  ./usr/lib/quellorin/Introduction.txt \
  ./usr/share/applications/example.carvido.quellorin.desktop \
  ./usr/share/metainfo/example.carvido.quellorin.metainfo.xml \
  ./usr/share/icons/hicolor/scalable/apps/example.carvido.quellorin.svg \
  ./usr/share/icons/hicolor/48x48/apps/example.carvido.quellorin.png \
  ./usr/share/man/man1/quellorin.1.gz ./usr/share/doc/quellorin/copyright \
  ./usr/share/doc/quellorin/changelog.gz; do
  grep -qxF -- "$entry" <<<"$contents" || fail "the package does not hold $entry"
done
! grep -E '/(test_|bench_|scenario|makeicons)' <<<"$contents" || fail "the package holds build-only programs"
say "contents: $(wc -l <<<"$contents") entries, every expected one"

# Debian's checks on the whole upload (source and binary packages).
if ! lintian --fail-on error,warning --display-info --pedantic --tag-display-limit 0 "$first"/*.changes \
  >"$work/lintian.txt" 2>&1; then
  cat "$work/lintian.txt" >&2
  fail "lintian found errors or warnings"
fi
say "lintian: no error or warning; info and pedantic tags:"
sed 's/^/  /' "$work/lintian.txt"

extracted=$work/extracted
dpkg-deb -x "$deb" "$extracted"
# Every protection but the control-flow mark: Debian 12's C library start files (Scrt1.o, crti.o)
# lack it, so the linker leaves it off any program linked with them, whatever the compiler did.
if ! hardening-check --nocfprotection "$extracted/usr/lib/quellorin/quellorin" >"$work/hardening.txt"; then
  cat "$work/hardening.txt" >&2
  fail "hardening-check finds a protection missing"
fi
sed 's/^/  /' "$work/hardening.txt"

# apt finds everything the package depends on.
apt-get install -s --no-install-recommends "$deb" >"$work/apt.txt" 2>&1 ||
  { cat "$work/apt.txt" >&2; fail "apt cannot install the package"; }

# Installed into an empty root and removed: nothing of it is left behind.
target=$work/root
mkdir -p "$target/var/lib/dpkg/info" "$target/var/lib/dpkg/updates"
touch "$target/var/lib/dpkg/status"
# (The root has none of the packages it depends on: dpkg installs it all the same.)
dpkg --root="$target" --force-not-root --force-depends --log=/dev/null -i "$deb" >"$work/dpkg.txt" 2>&1 ||
  { cat "$work/dpkg.txt" >&2; fail "dpkg could not install the package"; }
[ -x "$target/usr/lib/quellorin/quellorin" ] || fail "the installed root has no program"
dpkg --root="$target" --force-not-root --log=/dev/null --purge quellorin >"$work/dpkg.txt" 2>&1 ||
  { cat "$work/dpkg.txt" >&2; fail "dpkg could not remove the package"; }
left=$(cd "$target" && find . -path ./var/lib/dpkg -prune -o ! -type d -print)
[ -z "$left" ] || fail "removing the package left $left"
say "installs into an empty root and purges without a trace"

# Started as the menu starts it: the desktop entry's command on the PATH, the icon it names in the
# theme, and the program finding its files and showing its first window.
entry=$extracted/usr/share/applications/example.carvido.quellorin.desktop
desktop-file-validate "$entry" || fail "the installed desktop entry does not validate"
command=$(sed -n 's/^Exec=//p' "$entry")
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -f "$extracted/usr/share/icons/hicolor/48x48/apps/$icon.png" ] || fail "no icon named $icon"
menu=(env PATH="$extracted/usr/bin:$PATH" QT_QPA_PLATFORM=offscreen)
(cd / && timeout 120 "${menu[@]}" $command --self-check) >"$work/self-check.txt" 2>&1 ||
  { cat "$work/self-check.txt" >&2; fail "$command --self-check failed"; }
grep -qF "Program folder: $(realpath "$extracted/usr/lib/quellorin")" "$work/self-check.txt" ||
  fail "the program did not take its installed folder for its own: $(cat "$work/self-check.txt")"
(cd / && timeout 120 "${menu[@]}" QUELLORIN_QUIT_AT_FIRST_WINDOW=1 $command) >"$work/start.txt" 2>&1 ||
  { cat "$work/start.txt" >&2; fail "$command did not start"; }
grep -q "^first window:" "$work/start.txt" || fail "$command showed no window: $(cat "$work/start.txt")"
say "the menu entry's command ($command) starts the program"

# Reproducible: a second build, later, in another folder at another depth, its files stamped with
# another time, under another time zone, locale and umask, makes the same packages byte for byte.
second=$work/second/elsewhere
copy "$second/tree"
find "$second/tree" -exec touch {} +
build "$second/tree" "$second/build.log" 002 TZ=Pacific/Auckland LC_ALL=fr_FR.UTF-8

mapfile -t packages < <(cd "$first" && ls -- *.deb *.ddeb 2>/dev/null)
[ ${#packages[@]} -ge 1 ] || fail "the first build made no package"
for p in "${packages[@]}"; do
  [ -f "$second/$p" ] || fail "the second build made no $p"
  if ! cmp -s "$first/$p" "$second/$p"; then
    mkdir -p "$work/differ/first" "$work/differ/second"
    dpkg-deb -R "$first/$p" "$work/differ/first/$p"
    dpkg-deb -R "$second/$p" "$work/differ/second/$p"
    diff -rq "$work/differ/first/$p" "$work/differ/second/$p" >&2 || true
    fail "$p differs between the two builds (unpacked in $work/differ)"
  fi
  say "reproducible: $p ($(sha256sum <"$first/$p" | cut -c1-16)...)"
done

say "passed in $(((SECONDS - started) / 60)) min"
