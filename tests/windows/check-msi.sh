#!/usr/bin/env bash
# check-msi.sh WINE MSI STAGE MAKEMSI NEXT_VERSION WORK: installs the Windows installer under Wine
# into a Wine prefix of its own, upgrades it with a package of the next version, and removes it,
# checking the files, Start menu shortcut, "Open with" keys and installed-programs entry each time.
set -euo pipefail
wine_program=$1 msi=$2 stage=$3 make_msi=$4 next_version=$5 work=$6
export LANG=C.UTF-8 WINEPREFIX=$work/prefix WINEDEBUG=-all
# No Mono or Gecko prompt, and no menu entries or file types written on the Linux side.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
fail() { echo "FAIL: $*" >&2; exit 1; }
rm -rf "$work" && mkdir -p "$work"
# Every Wine run has five minutes; one that takes longer is ended and fails. All the prefix's
# programs end with the script.
wine() { timeout -k 5 300 "$wine_program" "$@"; }
trap 'wineserver -k 2>/dev/null; timeout -k 5 60 wineserver -w 2>/dev/null; rm -rf "$WINEPREFIX"' EXIT
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }

# The next version: the README names it, and the icon parking.bmp is gone, so that an upgrade
# shows whether it left the older files behind.
version=$(tr -d '\r' <"$stage/README.txt" | sed -n '1s/^Corvane \([0-9.]*\) .*/\1/p')
cp -r "$stage" "$work/next"
sed -i "1s/$version/$next_version/" "$work/next/README.txt"
rm "$work/next/MM Icons/parking.bmp"
timeout -k 5 300 cmake -DVERSION="$next_version" -DSTAGE="$work/next" -DMSI="$work/next.msi" -P "$make_msi" >"$work/wixl.log" 2>&1 ||
  fail "the next version's package was not made: $(cat "$work/wixl.log")"

# Wine's output goes to files: its background processes would keep a pipe open.
wine wineboot --init </dev/null >"$work/wineboot.log" 2>&1
profiles=("$WINEPREFIX"/drive_c/users/*/AppData)
profile=${profiles[0]}
[[ ${#profiles[@]} == 1 && -d $profile ]] || fail "not one user profile in the new Wine prefix"
folder=$profile/Local/Programs/Corvane
shortcut="$profile/Roaming/Microsoft/Windows/Start Menu/Programs/Corvane.lnk"

# msiexec's status; Wine hands it on modulo 256 (1603, a failed install, arrives as 67).
msiexec() {
  local status=0
  wine msiexec "$@" /qn </dev/null >"$work/msiexec.log" 2>&1 || status=$?
  echo "$status"
}

# Every key and value under the keys the installer writes, one "KEY" or "KEY\NAME=DATA" a line,
# read in one Wine run.
registry() {
  local key
  for key in 'HKCU\Software\Classes\Applications\corvane.exe' 'HKCU\Software\Classes\.gpx' \
             'HKCU\Software\Classes\.zip' 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall' \
             'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' 'HKCU\Software\Microsoft\Installer\Products' \
             'HKCU\Software\VB and VBA Program Settings\Corvane'; do
    printf 'reg query "%s" /s\r\n' "$key"
  done >"$work/query.bat"
  wine cmd /c "$(winpath "$work/query.bat")" </dev/null >"$work/query.log" 2>&1 || true
  tr -d '\r' <"$work/query.log" | awk '
    /^HKEY_/ { key = $0; print key; next }
    /^    [^ ]/ { sub(/^    /, ""); n = index($0, "    "); rest = substr($0, n + 4); t = index(rest, "    ")
                 print key "\\" substr($0, 1, n - 1) "=" (t ? substr(rest, t + 4) : "") }' >"$work/registry.txt"
}
has() { grep -qFx -- "$1" "$work/registry.txt"; }
# The data of value NAME under KEY
value() { P="$1\\$2=" awk 'index($0, ENVIRON["P"]) == 1 { print substr($0, length(ENVIRON["P"]) + 1) }' "$work/registry.txt"; }
# The installed-programs entries of Corvane: HKCU's on Windows for a per-user install, HKLM's under Wine.
entries() { grep -E '\\Uninstall\\\{[-0-9A-F]+\}\\DisplayName=Corvane$' "$work/registry.txt" | sed 's/\\DisplayName=Corvane$//'; }
unix_path() { printf '%s' "$1" | sed "s|^C:|$WINEPREFIX/drive_c|; s|\\\\|/|g"; }

# What an installation of the folder FROM as version VERSION leaves: its files and nothing else,
# the shortcut, the "Open with" keys, one installed-programs entry, and corvane-cli.exe that runs.
check_installed() {
  local from=$1 entry_version=$2 entry icon size estimated
  diff -r "$from" "$folder" >"$work/diff.log" || fail "the installed files differ from the package's: $(cat "$work/diff.log")"
  [[ -f $shortcut ]] || fail "no Start menu shortcut"
  grep -aqF 'Programs\Corvane\corvane.exe' "$shortcut" || fail "the shortcut does not start the installed corvane.exe"
  registry
  local app='HKEY_CURRENT_USER\Software\Classes\Applications\corvane.exe' exe
  exe="C:$(printf '%s' "${folder#*/drive_c}/corvane.exe" | tr / '\\')"
  for line in "$app\\FriendlyAppName=Corvane" "$app\\SupportedTypes\\.gpx=" "$app\\SupportedTypes\\.zip=" \
              "$app\\shell\\open\\command\\(Default)=\"$exe\" \"%1\""; do
    has "$line" || fail "no registry value $line"
  done
  ! grep -qE '^HKEY_CURRENT_USER\\Software\\Classes\\\.(gpx|zip)' "$work/registry.txt" || fail "a file type was taken over"
  [[ $(entries | wc -l) == 1 ]] || fail "not one installed-programs entry: $(entries)"
  entry=$(entries)
  [[ $(value "$entry" DisplayVersion) == "$entry_version" ]] || fail "the entry's version is not $entry_version"
  [[ $(value "$entry" Publisher) == Corvane ]] || fail "the entry names no publisher"
  # Windows counts the size itself (EstimatedSize); Wine leaves that 0 and shows the package's (Size).
  size=$(value "$entry" Size) estimated=$(value "$entry" EstimatedSize)
  [[ ${size:-0} != 0 || ${estimated:-0x0} != 0x0 ]] || fail "the entry has no size"
  # Windows names the entry's icon in DisplayIcon; Wine in the product's registration only.
  icon=$(value "$entry" DisplayIcon; sed -n 's/^.*\\ProductIcon=//p' "$work/registry.txt")
  icon=${icon%%$'\n'*}
  [[ -n $icon && -f $(unix_path "$icon") ]] || fail "the entry's icon is not there: '$icon'"
  [[ $(strings -e l "$shortcut") == *"$icon"* ]] || fail "the shortcut does not show the program's icon"
  wine "$folder/corvane-cli.exe" --version </dev/null >"$work/version.log" 2>&1 || fail "corvane-cli.exe --version failed"
  grep -q "^corvane-cli $version" "$work/version.log" || fail "corvane-cli.exe --version: $(cat "$work/version.log")"
}

start=$SECONDS
status=$(msiexec /i "$(winpath "$msi")")
[[ $status == 0 ]] || fail "the install ended with status $status"
check_installed "$stage" "$version"
# The window's settings, which outlive the program.
wine reg add 'HKCU\Software\VB and VBA Program Settings\Corvane\Startup' /v Name /d 'Oak Leaf' /f \
  </dev/null >"$work/reg-add.log" 2>&1

status=$(msiexec /i "$(winpath "$work/next.msi")")
[[ $status == 0 ]] || fail "the upgrade ended with status $status"
check_installed "$work/next" "$next_version"
status=$(msiexec /i "$(winpath "$msi")")
[[ $status != 0 ]] || fail "the older version installed over the newer one"

status=$(msiexec /x "$(winpath "$work/next.msi")")
[[ $status == 0 ]] || fail "the uninstall ended with status $status"
left=$(find "$profile/Roaming/Microsoft/Installer" -name '*.ico' 2>/dev/null || true)
left+=$(find "$folder" "$shortcut" 2>/dev/null || true)
[[ -z $left ]] || fail "files are left: $left"
registry
[[ -z $(entries) ]] && ! grep -qE '\\Applications\\corvane.exe|\\Installer\\Products\\' "$work/registry.txt" ||
  fail "registry keys are left: $(cat "$work/registry.txt")"
has 'HKEY_CURRENT_USER\Software\VB and VBA Program Settings\Corvane\Startup\Name=Oak Leaf' ||
  fail "the uninstall removed the window's settings"
echo "installed $version, upgraded to $next_version, removed: $((SECONDS - start)) s after the prefix was made"
