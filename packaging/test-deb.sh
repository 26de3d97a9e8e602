#!/usr/bin/env bash
# The Debian package, checked without touching the system: the build tree's
# binary (no empty RUNPATH entry); the .deb built as the README's "Install as
# a Debian package" section builds it (a Release build without tests, in
# BUILD_DIR/package-release, then cpack): its control data, lintian (hardening
# and stripping included) and contents; the files extracted from it (no RPATH,
# hardened and stripped as Debian's own programs, every library found, desktop
# entry, icons, documents); apt-get's simulated install of it; and the
# extracted program started under a private Xvfb until its splash window shows.
#
#   test-deb.sh BUILD_DIR SOURCE_DIR
#
# With VORPEX_PACKAGE_INSTALL=1 in the environment it also installs the
# package for real (root only), starts the installed program and purges the
# package with whatever the install pulled in. A vorpex package installed
# already is left alone: the install is skipped and the test ends with status
# 77 (skipped) once every other check has passed. Install runs on one machine
# take turns. Needs cmake, ninja-build, g++, dpkg-dev, file, lintian,
# desktop-file-utils, xvfb, xdotool and x11-utils (xprop).
set -euo pipefail

build=$(cd "$1" && pwd)
source_dir=$(cd "$2" && pwd)
install_for_real=false
[ "${VORPEX_PACKAGE_INSTALL:-0}" = 1 ] && install_for_real=true

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

for tool in cpack:cmake ninja:ninja-build dpkg-buildflags:dpkg-dev dpkg-shlibdeps:dpkg-dev \
  file:file lintian:lintian readelf:binutils desktop-file-validate:desktop-file-utils \
  Xvfb:xvfb xdotool:xdotool xprop:x11-utils; do
  command -v "${tool%%:*}" >/dev/null 2>&1 ||
    fail "${tool%%:*} not found; install the Debian package ${tool#*:}"
done
if $install_for_real; then
  [ "$(id -u)" -eq 0 ] || fail "VORPEX_PACKAGE_INSTALL=1: installing a package needs root"
fi

work=$(mktemp -d)
chmod 755 "$work"  # apt-get reads the package as its own unprivileged user
xvfb_pid=""
app_pid=""
packages_before="$work/packages-before"
pulled=()  # what installing the package pulled in
installed=false

# Lists the names of the installed packages, one a line, sorted.
installed_packages() {
  dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' | awk '$1 == "ii" { print $2 }' | sort -u
}

# Fills pulled with what the install added: only what apt-get marked as
# automatically installed, since a package that someone else installed
# meanwhile is theirs.
find_pulled() {
  mapfile -t pulled < <(comm -12 <(comm -13 "$packages_before" <(installed_packages)) \
    <(apt-mark showauto | sed 's/:.*//' | sort -u))
}

apt_get() {
  DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=120 "$@"
}

# Leaves the machine as it was: no program, no X server and, after a real
# install, no package and nothing that the install pulled in.
cleanup() {
  local status=$?
  set +e
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  if $installed; then
    apt_get purge vorpex >/dev/null
    [ ${#pulled[@]} -eq 0 ] && find_pulled  # the install itself failed
    [ ${#pulled[@]} -gt 0 ] && apt_get purge "${pulled[@]}" >/dev/null
  fi
  rm -rf "$work"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# The RPATH and RUNPATH entries of an ELF file, one a line ("" for none).
search_paths() {
  readelf -d "$1" | sed -n 's/.*(\(RPATH\|RUNPATH\)).*\[\(.*\)\]$/\2/p'
}

# Width and height of a PNG.
source "$source_dir/scripts/png-size.sh"

icon_sizes=(16 32 48 64 128 256)
expected_files=(
  /usr/bin/vorpex
  /usr/share/applications/vorpex.desktop
  /usr/share/doc/vorpex/changelog.gz
  /usr/share/doc/vorpex/copyright
  /usr/share/icons/hicolor/scalable/apps/vorpex.svg
  /usr/share/man/man1/vorpex.1.gz
)
for size in "${icon_sizes[@]}"; do
  expected_files+=("/usr/share/icons/hicolor/${size}x${size}/apps/vorpex.png")
done

echo "== The build tree's binary"
# An empty entry makes the loader search the current directory.
runpath=$(search_paths "$build/vorpex")
echo "RPATH/RUNPATH: '${runpath}'"
if [ -n "$runpath" ]; then
  grep -qE '(^|:)(:|$)' <<<"$runpath" && fail "$build/vorpex searches the current directory: '$runpath'"
fi

echo "== Building the package as the README does"
# The README's commands, in a folder of this build tree: a Release build
# without tests, then cpack.
release_options=(-G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF)
grep -qF -- "cmake -S . -B build-package ${release_options[*]}" "$source_dir/README.md" ||
  fail "the README's package section does not configure with ${release_options[*]}"
release="$build/package-release"
{ cmake -S "$source_dir" -B "$release" "${release_options[@]}" &&
  cmake --build "$release"; } >"$work/release.log" 2>&1 ||
  { cat "$work/release.log"; fail "the Release build failed"; }
timeout 300 cpack -G DEB --config "$release/CPackConfig.cmake" -B "$work/cpack" \
  >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$work"/cpack/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  fail "cpack made no single .deb: ${debs[*]}"
fi
deb=${debs[0]}
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "vorpex_1.1.0_${arch}.deb" ] || fail "unexpected file name $(basename "$deb")"

echo "== Control data"
dpkg -I "$deb"
field() { dpkg-deb -f "$deb" "$1"; }
check_field() {
  [ "$(field "$1")" = "$2" ] || fail "$1 is '$(field "$1")', expected '$2'"
}
check_field Package vorpex
check_field Version 1.1.0
check_field Architecture "$arch"
check_field Maintainer "the Vorpex developers"
check_field Section science
# The Qt runtime and the X11 platform plugin must be named, or an install on a
# fresh system starts nothing.
depends=$(field Depends)
depends_names=$(tr ',|' '\n' <<<"$depends" | awk '{ print $1 }')
for dependency in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins libc6 libstdc++6; do
  grep -qxF "$dependency" <<<"$depends_names" || fail "Depends lacks $dependency: $depends"
done

echo "== lintian"
# Errors, warnings and the informational findings on hardening and stripping
# fail. The project has no contact address: the Maintainer field and the
# change log's trailer line, which both want one, are the only findings let
# pass.
# lintian leaves a file of its own in its temporary folder: that folder is in
# the test's, which goes at the end.
mkdir "$work/lintian-tmp"
TMPDIR="$work/lintian-tmp" lintian --fail-on none --display-info "$deb" 2>/dev/null |
  tee "$work/lintian.log"
findings=$(grep -E '^[EW]: |^I: vorpex: (hardening-|binary-has-unneeded-section )' "$work/lintian.log" |
  grep -vE '^E: vorpex: malformed-contact Maintainer ' |
  grep -vE '^W: vorpex: syntax-error-in-debian-changelog "(badly formatted trailer line|found eof where expected more change data or trailer)" \[usr/share/doc/vorpex/changelog.gz:[0-9]+\]$' ||
  true)
[ -z "$findings" ] || fail "lintian reports: $findings"

echo "== Contents"
# Exactly the expected files, nothing more (no libraries, headers or tests).
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\.||' | sort >"$work/contents"
printf '%s\n' "${expected_files[@]}" | sort >"$work/expected"
diff -u "$work/expected" "$work/contents" || fail "the package's files differ from the expected list"

echo "== Extracted files"
root="$work/root"
dpkg-deb -x "$deb" "$root"
[ -x "$root/usr/bin/vorpex" ] || fail "usr/bin/vorpex is not executable"
# Its libraries are in the system's paths: no search path of its own.
[ -z "$(search_paths "$root/usr/bin/vorpex")" ] ||
  fail "usr/bin/vorpex carries a search path: $(search_paths "$root/usr/bin/vorpex")"
# Hardened and stripped as Debian's own programs: relocations read-only and
# bound at start-up, a stack protector, no symbols, no .comment or .note.
# (The output is read whole: grep -q ending a pipe early would fail it.)
program="$root/usr/bin/vorpex"
grep -qE '\(FLAGS\) +BIND_NOW' <<<"$(readelf -dW "$program")" ||
  fail "usr/bin/vorpex binds its symbols lazily (no BIND_NOW): not linked with -z now"
grep -q ' GNU_RELRO ' <<<"$(readelf -lW "$program")" ||
  fail "usr/bin/vorpex has no GNU_RELRO segment"
grep -q ' __stack_chk_fail' <<<"$(readelf --dyn-syms -W "$program")" ||
  fail "usr/bin/vorpex has no stack protector"
kept=$(readelf -SW "$program" | sed -n 's/^ *\[ *[0-9]*\] \([^ ]*\) .*/\1/p' |
  grep -xE '\.(comment|note|symtab|strtab|debug_.*)' || true)
[ -z "$kept" ] || fail "usr/bin/vorpex keeps sections that Debian strips: ${kept//$'\n'/ }"
echo "usr/bin/vorpex: BIND_NOW, GNU_RELRO, stack protector, stripped"
if grep -q "not found" <<<"$(ldd "$root/usr/bin/vorpex")"; then
  ldd "$root/usr/bin/vorpex"
  fail "usr/bin/vorpex misses shared libraries"
fi
desktop_file="$root/usr/share/applications/vorpex.desktop"
desktop-file-validate "$desktop_file" || fail "vorpex.desktop does not validate"
desktop_value() { sed -n "s/^$1=//p" "$desktop_file"; }
[ "$(desktop_value Exec)" = vorpex ] || fail "the desktop entry does not start vorpex"
[ "$(desktop_value Icon)" = vorpex ] || fail "the desktop entry does not name the vorpex icon"
for size in "${icon_sizes[@]}"; do
  got=$(png_size "$root/usr/share/icons/hicolor/${size}x${size}/apps/vorpex.png")
  [ "$got" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $got"
done
cmp "$source_dir/LICENSE" "$root/usr/share/doc/vorpex/copyright" ||
  fail "the copyright file is not the license"
zcat "$root/usr/share/doc/vorpex/changelog.gz" | head -n 1 | grep -q '^vorpex (1\.1\.0) ' ||
  fail "the change log's latest entry is not for 1.1.0"
# The manual page is dated as the change log's latest entry.
changelog_date=$(date -u -d "$(zcat "$root/usr/share/doc/vorpex/changelog.gz" |
  sed -n '/^ -- /{s/^ -- .*  //p;q}')" +%F)
man_header=$(zcat "$root/usr/share/man/man1/vorpex.1.gz" | sed -n 1p)
[ "$man_header" = ".TH VORPEX 1 \"$changelog_date\" \"Vorpex 1.1.0\" \"User Commands\"" ] ||
  fail "the manual page's header is not dated $changelog_date: $man_header"

echo "== Simulated install"
apt-get install --simulate --no-install-recommends "$deb" >"$work/simulate.log" 2>&1 ||
  { cat "$work/simulate.log"; fail "apt-get cannot install the package"; }
grep -E '^(Inst|Conf|Remv) ' "$work/simulate.log" || true
! grep -q '^Remv ' "$work/simulate.log" || fail "installing the package would remove packages"

# Starts a program under the private Xvfb and checks that its first window is
# the splash, with the window class that the desktop entry names.
xvfb_display() {
  [ -n "$xvfb_pid" ] && return 0
  mkfifo "$work/displayfd"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/displayfd" \
    >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  local display=""
  read -r -t 30 display <"$work/displayfd" || true
  [ -n "$display" ] || { cat "$work/xvfb.log"; fail "Xvfb did not start"; }
  export DISPLAY=":$display"
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM
  mkdir -m 700 "$work/runtime"
}
start_and_check() {
  xvfb_display
  XDG_RUNTIME_DIR="$work/runtime" "$1" >"$work/vorpex.log" 2>&1 &
  app_pid=$!
  local window
  window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$app_pid" | head -n 1) || true
  [ -n "$window" ] || { cat "$work/vorpex.log"; fail "no window of $1 showed"; }
  kill -0 "$app_pid" 2>/dev/null || fail "$1 ended by itself"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [ "${WIDTH}x${HEIGHT}" = 525x300 ] || fail "the first window is ${WIDTH}x${HEIGHT}, not the 525x300 splash"
  # Desktops match windows to the desktop entry through the window class.
  local wm_class wanted
  wm_class=$(xprop -id "$window" WM_CLASS)
  wanted=$(desktop_value StartupWMClass)
  grep -q "\"$wanted\"" <<<"$wm_class" ||
    fail "the window class ($wm_class) does not match StartupWMClass=$wanted"
  echo "splash window $window: ${WIDTH}x${HEIGHT}, $wm_class"
  kill "$app_pid"
  wait "$app_pid" || true
  app_pid=""
}

echo "== Starting the extracted program"
start_and_check "$root/usr/bin/vorpex"

if ! $install_for_real; then
  echo "PASS: package built and checked; nothing installed (VORPEX_PACKAGE_INSTALL=1 installs it)"
  exit 0
fi

echo "== Installing"
# One install at a time on this machine: another package test waits here.
exec 9>/run/vorpex-package-test.lock
flock -w 300 9 || fail "another package test has held the install for five minutes"
state=$(dpkg-query -W -f='${db:Status-Abbrev}' vorpex 2>/dev/null || true)
if [ -n "$state" ] && [[ ${state:1:1} != [nc] ]]; then
  echo "SKIPPED the install: vorpex $(dpkg-query -W -f='${Version}' vorpex) is installed" \
    "already (dpkg status '${state% }') and is left alone; every other check passed." \
    "Purge it (sudo apt-get purge vorpex) to have the install tested."
  exit 77
fi
installed_packages >"$packages_before"
installed=true
# No recommended packages: what the package declares must be enough.
apt_get install --no-install-recommends "$deb" >"$work/install.log" 2>&1 ||
  { cat "$work/install.log"; fail "apt-get could not install the package"; }
find_pulled
[ "$(dpkg-query -W -f='${db:Status-Abbrev}${Version}' vorpex)" = "ii 1.1.0" ] ||
  fail "vorpex 1.1.0 is not installed"
for file in "${expected_files[@]}"; do
  cmp "$root$file" "$file" || fail "$file is not as in the package"
done

echo "== Starting the installed program"
start_and_check /usr/bin/vorpex

echo "== Uninstalling"
apt_get purge vorpex >"$work/purge.log" 2>&1 || { cat "$work/purge.log"; fail "apt-get could not remove the package"; }
if [ ${#pulled[@]} -gt 0 ]; then
  echo "removing what the install pulled in: ${pulled[*]}"
  apt_get purge "${pulled[@]}" >"$work/purge.log" 2>&1 ||
    { cat "$work/purge.log"; fail "apt-get could not remove ${pulled[*]}"; }
  pulled=()
fi
installed=false
dpkg-query -W -f='${db:Status-Abbrev}' vorpex 2>/dev/null | grep -q '^ii' && fail "vorpex is still installed"
for file in "${expected_files[@]}"; do
  [ ! -e "$file" ] || fail "$file is left after the removal"
done
[ ! -e /usr/share/doc/vorpex ] || fail "/usr/share/doc/vorpex is left after the removal"
echo "PASS: package built, checked, installed, started and removed"
