#!/usr/bin/env bash
# Checks the Debian package: its control fields and contents, lintian, the
# desktop entry and AppStream metadata. Then installs it on this machine, reads
# the simulated transceiver with the installed programs, starts the installed
# window under Xvfb and opens its user guide, and removes the package with
# whatever it brought along. Needs root (or sudo) for the installation.
# Usage: check-package.sh PACKAGE.deb
set -euo pipefail

[ $# -eq 1 ] || { echo "usage: $0 PACKAGE.deb" >&2; exit 2; }
deb=$(realpath "$1")
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
pass() { echo "ok: $*"; }
lacks() { ! "$@"; }
check() {  # check DESCRIPTION COMMAND...
    local description=$1
    shift
    if "$@"; then pass "$description"; else fail "$description"; fi
}

# Waits up to 20 s for a command to succeed.
wait_for() {
    for _ in $(seq 200); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

app_id=org.halvern.Tavrin
version=$(sed -n 's/^project(TAVRIN VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
programs=(tavrin tavrin-cli tavrin-radiosim)
icon_sizes=(16 22 24 32 48 64 128 256)
rule=lib/udev/rules.d/60-tavrin-serial-cables.rules
# Adapter chips of programming cables the udev rule (and the README) names.
cable_chips=(0403:6001 0403:6015 067b:2303 067b:23a3 10c4:ea60 1a86:7523 1a86:5523 1a86:55d4)

expected_files=(
    "$rule"
    usr/share/applications/$app_id.desktop
    usr/share/metainfo/$app_id.metainfo.xml
    usr/share/mime/packages/$app_id.xml
    usr/share/tavrin/guide/index.html
    usr/share/tavrin/guide/images/main-window.png
    usr/share/tavrin/guide/images/channels.png
    usr/share/tavrin/guide/de/index.html
    usr/share/tavrin/guide/ja/index.html
    usr/share/doc/tavrin/copyright
    usr/share/doc/tavrin/changelog.gz
    usr/share/lintian/overrides/tavrin
)
for program in "${programs[@]}"; do
    expected_files+=("usr/bin/$program" "usr/share/man/man1/$program.1.gz")
done
for size in "${icon_sizes[@]}"; do
    expected_files+=("usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done

echo "== control fields of $deb"
field() { dpkg-deb -f "$deb" "$1"; }
check "Package is tavrin" [ "$(field Package)" = tavrin ]
check "Version is $version" [ "$(field Version)" = "$version" ]
check "Architecture is $(dpkg --print-architecture)" \
    [ "$(field Architecture)" = "$(dpkg --print-architecture)" ]
check "Maintainer is set" grep -q '<.*@.*>' <<<"$(field Maintainer)"
check "Section is hamradio" [ "$(field Section)" = hamradio ]
check "Depends names the Qt widgets library" grep -q 'libqt6widgets6' <<<"$(field Depends)"
check "the description has a long part" [ "$(field Description | wc -l)" -gt 3 ]

echo "== contents"
dpkg-deb -c "$deb" > "$work/contents"
# Lines: mode owner size date time ./path
paths=$(awk '{ print $6 }' "$work/contents" | sed 's|^\./||')
for file in "${expected_files[@]}"; do
    check "holds /$file" grep -qx "$file" <<<"$paths"
done
# Lines of the listing whose mode (column 1) or path (column 6) an awk condition picks.
listed() { awk "$1" "$work/contents" | grep -q .; }
check "everything lies under /usr or in /lib/udev/rules.d" \
    lacks listed '$6 !~ /^\.\/(usr\/.*|lib\/|lib\/udev\/|lib\/udev\/rules\.d\/.*)?$/'
check "everything belongs to root" lacks listed '$2 != "root/root"'
check "nothing is writable by group or others" lacks listed '$1 ~ /^(.....w|........w)/'
check "directories are 0755" lacks listed '$1 ~ /^d/ && $1 != "drwxr-xr-x"'
check "programs are 0755" lacks listed '$1 ~ /^-/ && $6 ~ /^\.\/usr\/bin\// && $1 != "-rwxr-xr-x"'
check "other files are 0644" lacks listed '$1 ~ /^-/ && $6 !~ /^\.\/usr\/bin\// && $1 != "-rw-r--r--"'

root="$work/root"
dpkg-deb -x "$deb" "$root"
for program in "${programs[@]}"; do
    check "/usr/bin/$program is stripped" bash -c 'file "$1" | grep -q ", stripped"' \
        _ "$root/usr/bin/$program"
done
for size in "${icon_sizes[@]}"; do
    check "the ${size}px icon is a ${size} x ${size} PNG" \
        grep -q "PNG image data, $size x $size," \
        <<<"$(file "$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")"
done
rules=$(grep -v '^#' "$root/$rule")
check "the udev rule gives the port to the dialout group" grep -q 'GROUP="dialout"' <<<"$rules"
check "the udev rule makes it 0660" grep -q 'MODE="0660"' <<<"$rules"
check "the udev rule sets no other mode" lacks grep -qv 'MODE="0660"' <<<"$(grep -o 'MODE="[0-9]*"' <<<"$rules")"
check "the udev rule keeps ModemManager away" grep -q 'ENV{ID_MM_DEVICE_IGNORE}="1"' <<<"$rules"
check "the udev rule matches tty devices" grep -q 'SUBSYSTEM!="tty", GOTO=' <<<"$rules"
for chip in "${cable_chips[@]}"; do
    check "the udev rule names $chip" \
        grep -q "ATTRS{idVendor}==\"${chip%:*}\", ATTRS{idProduct}==\"${chip#*:}\"" <<<"$rules"
done
check "the changelog's latest entry is version $version" \
    grep -qx "tavrin ($version) .*" <<<"$(zcat "$root/usr/share/doc/tavrin/changelog.gz" | head -n 1)"
check "the package's postinst is a shell script with set -e" \
    bash -c 'dpkg-deb --ctrl-tarfile "$1" | tar -xO ./postinst | grep -qx "set -e"' _ "$deb"

echo "== validators"
check "desktop-file-validate passes" \
    desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
check "appstreamcli validate passes" \
    appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml"
# The release is dated once, in the changelog; the AppStream file and the manual pages follow it.
released=$(zcat "$root/usr/share/doc/tavrin/changelog.gz" | sed -n 's/^ -- .*>  //p' | head -n 1)
check "the AppStream release $version is dated as the changelog ($released)" \
    grep -q "<release version=\"$version\" date=\"$(date -u -d "$released" +%F)\"" \
    "$root/usr/share/metainfo/$app_id.metainfo.xml"
for program in "${programs[@]}"; do
    check "the manual page of $program is dated $(date -u -d "$released" '+%B %Y')" \
        grep -q "^\.TH .* \"$(date -u -d "$released" '+%B %Y')\" \"TAVRIN $version\"" \
        <<<"$(zcat "$root/usr/share/man/man1/$program.1.gz")"
done
for language in de ja; do
    for key in Name GenericName Comment; do
        check "the menu entry has a $key in $language" \
            grep -q "^$key\[$language\]=." "$root/usr/share/applications/$app_id.desktop"
    done
    for element in name summary; do
        check "the AppStream file has a $element in $language" \
            grep -q "<$element xml:lang=\"$language\">" "$root/usr/share/metainfo/$app_id.metainfo.xml"
    done
done
# lintian warns when run as root; the report itself goes to standard output.
lintian --display-info --pedantic "$deb" > "$work/lintian" 2> "$work/lintian.err" || true
grep -v '^running with root privileges' "$work/lintian.err" >&2 || true
cat "$work/lintian"
check "lintian reports no errors" lacks grep -q '^E:' "$work/lintian"

echo "== installed"
if dpkg-query -W -f='${Status}' tavrin 2>/dev/null | grep -q 'install ok installed'; then
    fail "tavrin is installed already; remove it first (apt-get remove tavrin)"
    exit 1
fi
pids=()
added=()
cleanup() {
    set +e
    for pid in "${pids[@]}"; do kill -TERM "$pid" 2>/dev/null; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
    if dpkg-query -W tavrin > /dev/null 2>&1; then
        "${sudo_cmd[@]}" dpkg --purge tavrin > /dev/null
    fi
    # Whatever the installation brought along goes too.
    if [ ${#added[@]} -gt 0 ]; then
        DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get purge -y -qq "${added[@]}" > /dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT

installed_packages() { dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' | awk '$1 == "ii" { print $2 }' | sort; }
installed_packages > "$work/packages-before"
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "$deb" > "$work/apt.log" 2>&1 || { cat "$work/apt.log" >&2; fail "apt-get install"; exit 1; }
mapfile -t added < <(installed_packages | comm -13 "$work/packages-before" - | grep -vx tavrin)
[ ${#added[@]} -eq 0 ] || echo "The installation brought along: ${added[*]}"
for program in "${programs[@]}"; do
    check "$program is on the PATH as /usr/bin/$program" [ "$(command -v "$program")" = "/usr/bin/$program" ]
done
desktop=/usr/share/applications/$app_id.desktop
exec_line=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
on_path() { command -v "$1" > /dev/null; }
check "the menu entry starts an installed program ($exec_line)" on_path "$exec_line"
icon=$(sed -n 's/^Icon=//p' "$desktop")
check "the menu entry's icon is installed" [ -f "/usr/share/icons/hicolor/48x48/apps/$icon.png" ]
check "the metainfo names the menu entry" \
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
    "/usr/share/metainfo/$app_id.metainfo.xml"
check "the menu entry opens data files" grep -qx 'MimeType=application/x-tavrin-data;' "$desktop"
if command -v update-mime-database > /dev/null; then
    check "the desktop knows data files by their name" \
        grep -q 'application/x-tavrin-data:\*\.tvr' /usr/share/mime/globs2
fi

# Settings and data of this run stay in the work folder.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_CONFIG_HOME/HALVERN" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

echo "== the installed command-line program reads the simulated transceiver"
printf 'Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,Mode,TStep,Skip\n5,PKGCHK,146.520000,,0.000000,,88.5,FM,5.00,\n' \
    > "$work/channels.csv"
check "import-csv makes the transceiver's memory" \
    tavrin-cli --radio 8 import-csv "$work/channels.csv" "$work/memory.tvr"
link="$work/radio"
tavrin-radiosim --radio 8 --link "$link" --load "$work/memory.tvr" --quiet > "$work/radiosim.out" &
pids+=($!)
check "the simulator serves" wait_for test -s "$work/radiosim.out"
check "read saves what the transceiver holds" tavrin-cli --radio 8 read "$link" "$work/read.tvr"
check "the file names the model" grep -q '^HALVERN Radio Channel Composer for RV-310' "$work/read.tvr"
tavrin-cli --radio 8 export-csv "$work/read.tvr" "$work/read.csv" 2> /dev/null || true
check "the read memory holds the channel" grep -q '^5,PKGCHK,146.520000,' "$work/read.csv"

echo "== the installed window starts and finds its guide"
printf '[General]\nType=MKF\nModel=RV-310\n' > "$XDG_CONFIG_HOME/HALVERN/TAVRIN.ini"
# A browser the help window might start is this stub, which notes what it was given.
mkdir -p "$work/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$*" >> "%s"\n' "$work/opened" > "$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3> "$work/display" 2> "$work/xvfb.log" &
pids+=($!)
wait_for test -s "$work/display" || { fail "Xvfb does not start"; exit 1; }
export DISPLAY=":$(cat "$work/display")"
PATH="$work/bin:$PATH" QT_QPA_PLATFORM=xcb TAVRIN_COM1="$link" /usr/bin/tavrin \
    > "$work/tavrin.log" 2>&1 &
window_pid=$!
pids+=("$window_pid")
find_window() { xdotool search --name '^TAVRIN \[RV-310/320A -1\]  \[Untitled\]$' > "$work/window"; }
if check "the window shows the configured model" wait_for find_window; then
    check "the window carries the program icon (_NET_WM_ICON)" \
        bash -c 'xprop -id "$1" _NET_WM_ICON | grep -q "^_NET_WM_ICON(CARDINAL) = "' \
        _ "$(head -n 1 "$work/window")"
    xdotool windowfocus --sync "$(head -n 1 "$work/window")" key alt+h
    # The Help menu is a window of the program's own, titled as the program.
    help_menu_open() {
        for window in $(xdotool search --onlyvisible --classname '^tavrin$'); do
            [ "$(xdotool getwindowname "$window")" = TAVRIN ] && return 0
        done
        return 1
    }
    check "Alt+H opens the Help menu" wait_for help_menu_open
    xdotool key Return
    # The guide shows in the program's own help window, with no browser needed.
    help_window_open() { xdotool search --onlyvisible --name '^TAVRIN Help$' > /dev/null; }
    check "Help Topics shows the installed guide in the help window" wait_for help_window_open
fi
check "the window is still running" kill -0 "$window_pid"
kill -TERM "$window_pid"
status=0
wait "$window_pid" || status=$?
check "SIGTERM ends the window cleanly (status $status, 0 expected)" [ "$status" -eq 0 ]
if [ "$failures" -gt 0 ]; then cat "$work/tavrin.log" >&2; fi

echo "== removal"
"${sudo_cmd[@]}" dpkg --purge tavrin > /dev/null
check "removing the package takes the programs" [ ! -e /usr/bin/tavrin ]
check "removing the package takes the udev rule" [ ! -e "/$rule" ]

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "The package passed every check."
