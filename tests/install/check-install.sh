#!/usr/bin/env bash
# check-install.sh install|package BUILD CLI: installs the build into a temporary prefix, or packs
# it as a .deb, and checks that the programs, window icon, .desktop file, man page and icon set land.
set -euo pipefail
mode=$1 build=$2 cli=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# Every program run has two minutes; one that takes longer is ended and fails.
bounded() { timeout -k 5 120 "$@"; }

bounded "$cli" --quiet --write-icons "$tmp/icons"
files=(bin/corvane bin/corvane-cli share/applications/corvane.desktop share/man/man1/corvane-cli.1.gz)
for size in 16 32 48 64 128 256; do files+=("share/icons/hicolor/${size}x$size/apps/corvane.png"); done
for icon in "$tmp"/icons/*; do files+=("share/corvane/icons/${icon##*/}"); done

case $mode in
install)
  bounded cmake --install "$build" --prefix "$tmp/prefix" >/dev/null
  for f in "${files[@]}"; do [[ -f $tmp/prefix/$f ]] || fail "$f is not installed"; done
  diff -r "$tmp/icons" "$tmp/prefix/share/corvane/icons" || fail "the installed icon set is not the one --write-icons writes"
  bounded desktop-file-validate "$tmp/prefix/share/applications/corvane.desktop" || fail "desktop-file-validate refuses the .desktop file"
  # Offered for GPX files only: a zip file is not always a pocket query.
  grep -qx 'MimeType=application/gpx+xml;' "$tmp/prefix/share/applications/corvane.desktop" ||
    fail "the .desktop file offers Corvane for more than GPX files"
  warnings=$(MANWIDTH=80 bounded man --warnings -l "$tmp/prefix/share/man/man1/corvane-cli.1.gz" 2>&1 >/dev/null)
  [[ -z $warnings ]] || fail "man warns: $warnings"
  ;;
package)
  (cd "$build" && bounded cpack -G DEB -B "$tmp/deb" >/dev/null 2>&1) || fail "cpack -G DEB failed"
  deb=$(echo "$tmp"/deb/*.deb)
  listing=$(bounded dpkg-deb -c "$deb")
  for f in "${files[@]}"; do grep -q " \./usr/$f\$" <<<"$listing" || fail "the package lacks /usr/$f"; done
  depends=$(bounded dpkg-deb -f "$deb" Depends)
  [[ $depends == *libc6* && $depends == *libqt6widgets6* ]] || fail "the dependencies miss libraries: $depends"
  ;;
*) fail "usage: check-install.sh install|package BUILD CLI" ;;
esac
echo "$mode: ${#files[@]} files in place"
