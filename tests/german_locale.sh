#!/bin/sh
# Generates the German locale (decimal comma) into a folder of the build for
# the tests that run in it with LOCPATH pointing there, whether or not the
# system has it: nothing outside the build folder is touched.
#
#   german_locale.sh FOLDER
set -eu
target="$1/de_DE.UTF-8"
[ -f "$target/LC_NUMERIC" ] && exit 0
mkdir -p "$1"
# localedef warns (and exits 1) about details of the locale's sources that do
# not matter here; what counts is that the locale was written.
localedef -i de_DE -f UTF-8 "$target" 2>/dev/null || true
[ -f "$target/LC_NUMERIC" ] || {
  echo "could not generate de_DE.UTF-8 (Debian's package 'locales' has its sources)" >&2
  exit 1
}
