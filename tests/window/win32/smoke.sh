#!/bin/sh
# The Win32 window under Wine: it opens with its title, its client area at its size below the menu
# bar and the controls in their places, Close writes the registry values, Convert over preset
# values writes the CSV file corvane-cli.exe writes, and No keeps an existing CSV file; the CSV
# file's dialog adds .csv to a name typed without one; after a box, a file dialog or another window
# the focus is back where it was; the GPX file named as the CSV file too is refused in a box; the
# Options menu's checks are kept; of the two files of a pocket query dropped together, the caches
# file is taken.
# Runs on the test run's X display (Xvfb) and Wine prefix.
set -eu
wine_program=$1 window=$2 cli=$3 gpx=$4 work=$5
# Every Wine run has two minutes; one that takes longer is ended and fails.
wine() { timeout -k 5 120 "$wine_program" "$@"; }
[ -n "${DISPLAY:-}" ] || { echo "no X display: the window cannot be shown"; exit 77; }
key='HKEY_CURRENT_USER\Software\VB and VBA Program Settings\Corvane\Startup'
rm -rf "$work" && mkdir -p "$work"
# Wine's drive Z: is the root of the Linux file system.
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }
fail() { echo "FAIL: $*"; cat "$work/log" 2>/dev/null; exit 1; }

# Run the window with these clicks, Yes/No answers and the name to type into a file dialog; its log in $work/log
run() {
  CORVANE_CLICKS=$1 CORVANE_ANSWERS=$2 CORVANE_TYPED=${3:-} CORVANE_LOG=$(winpath "$work/log") wine "$window" ||
    fail "status $?"
  tr -d '\r' <"$work/log" >"$work/log.txt"
}

# Value name and data of every string value under the key, one "name=data" a line
stored() {
  wine reg query "$key" | tr -d '\r' | sed -n 's/^    \([A-Za-z]*\)    REG_SZ    \{0,1\}\(.*\)$/\1=\2/p' | sort
}

wine reg delete "${key%\\Startup}" /f >/dev/null 2>&1 || true

# The menu bar: Options, its check entries ("+" when checked), a separator and the icon writer
menu() { grep -qx "menu|Options\(|$1[^|]*\)\{1,\}|-|Write Corvane's Icons Here" "$work/log.txt" || fail "menu bar"; }

# First start: the client area at 4680 x 4665 twips for its DPI with the GPX box at 120, 360, the GPX
# box focused, no option checked; Close stores the defaults.
run focus,cmdClose ""
grep -qx 'focus|txtGPX' "$work/log.txt" || fail "the GPX box has not the focus"
dpi=$(sed -n 's/^window|Corvane Conversion|[0-9]*x[0-9]*|\([0-9]*\)|.*$/\1/p' "$work/log.txt")
[ -n "$dpi" ] || fail "no window titled Corvane Conversion"
size=$(awk -v d="$dpi" 'BEGIN { t = d / 1440; printf "%dx%d|%d|%d,%d", int(4680 * t + .5), int(4665 * t + .5), d, int(120 * t + .5), int(360 * t + .5) }')
grep -qx "window|Corvane Conversion|$size" "$work/log.txt" || fail "client area and GPX box are not $size"
menu '[^+|-]'
[ "$(stored | tr '\n' ' ')" = "CSVPath= GPXPath= Hint=N IconPath=\\MM Icons\\ Include=C Kinds=Container LeaveOut= Name= " ] || fail "stored: $(stored)"

# Preset values: Convert writes what corvane-cli.exe writes for the same inputs.
gpx_w=$(winpath "$gpx") csv_w=$(winpath "$work/window.csv")
{
  printf 'REGEDIT4\r\n\r\n[%s]\r\n' "$key"
  for pair in "GPXPath=$gpx_w" "CSVPath=$csv_w" 'IconPath=C:\Icons' 'Name=Oak Leaf' Include=U Hint=Y; do
    printf '"%s"="%s"\r\n' "${pair%%=*}" "$(printf '%s' "${pair#*=}" | sed 's/\\/\\\\/g')"
  done
} >"$work/preset.reg"
wine reg import "$(winpath "$work/preset.reg")" >/dev/null 2>&1
run cmdConvert,focus,cmdGPX,focus,away,focus,cmdClose ""
grep -qF " waypoints written to $csv_w|64|Conversion" "$work/log.txt" || fail "no Complete! box naming the file"
[ "$(grep '^focus|' "$work/log.txt" | tr '\n' ' ')" = "focus|cmdConvert focus|cmdGPX focus|cmdGPX " ] || fail "focus lost"
wine "$cli" --quiet --icons 'C:\Icons' --name 'Oak Leaf' --link website --hints "$gpx_w" "$(winpath "$work/cli.csv")"
cmp "$work/window.csv" "$work/cli.csv" || fail "the window's CSV file differs from corvane-cli.exe's"
stored | grep -qx 'IconPath=C:\\Icons\\' || fail "the icon folder was not stored with its backslash"

# An existing CSV file: after No it is unchanged. Then the CSV file's dialog, in the CSV file's
# folder, adds .csv to a name typed without an extension; here to the name of a file that exists,
# since Wine's open dialog, unlike Microsoft's description of lpstrDefExt, takes the extension off
# again when no such file exists. Then every option is chosen in the Options menu.
printf 'keep me\r\n' >"$work/window.csv"
cp "$work/window.csv" "$work/before.csv"
: >"$work/week2.csv"
run cmdConvert,cmdMM,options,cmdClose 7 week2
grep -q '|36|' "$work/log.txt" || fail "no Yes/No question before replacing"
cmp -s "$work/window.csv" "$work/before.csv" || fail "the CSV file was replaced after No"
stored | grep -qxF "CSVPath=$(winpath "$work")\\week2.csv" || fail "the dialog gave $(stored | grep CSVPath)"

# The GPX file in both boxes: the write message with its reason, and no question (answered No, were it asked).
# The options chosen before are checked; of a pocket query's two files dropped, the caches file is taken.
wine reg add "$key" /v CSVPath /d "$gpx_w" /f >/dev/null
run cmdConvert,drop,cmdClose 7
grep -q ': the file is the GPX file being converted|48|Conversion$' "$work/log.txt" && ! grep -q '|36|' "$work/log.txt" || fail "the GPX file as the CSV file was not refused"
menu +
stored | grep -q '^GPXPath=Z:.*\\pq\.gpx$' || fail "the dropped caches file is not the GPX file"
echo "window opened at $size ($dpi dpi) below its menu bar; registry values stored; CSV identical to corvane-cli.exe's; No kept the file; the CSV dialog added .csv; focus kept; the GPX file refused as the CSV file; options kept; the caches file dropped"
