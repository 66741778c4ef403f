#!/usr/bin/env bash
# Checks Brushly as it is installed: installs the build into a temporary prefix and validates
# the desktop entry, the AppStream data and the file type (known by name and by content), runs
# the installed tool on the installed reference data from another folder, and starts the
# installed program with a document on a virtual display until its window shows the document.
# With --package (as root) it then builds the Debian package, installs it with its
# dependencies, runs the installed tool and program the same way, and removes the package.
# Usage: scripts/check-install.sh [--package] [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
package=0
if [ "${1:-}" = "--package" ]; then
    package=1
    shift
fi
build=${1:-$root/build}
work=$(mktemp -d)
xserver=
trap '[ -n "$xserver" ] && kill "$xserver" 2>/dev/null; rm -rf "$work"' EXIT
unset BRUSHLY_DATA_DIR

fail() {
    echo "check-install: $*" >&2
    exit 1
}

# check_tool BIN_DIR: the tool finds the installed data wherever it is started from.
check_tool() {
    local output
    output=$(cd / && "$1/brushly-tool" kanji 食) || fail "$1/brushly-tool kanji 食 failed"
    grep -q "^Character: 食" <<<"$output" || fail "$1/brushly-tool kanji 食 printed: $output"
    echo "$1/brushly-tool kanji 食: $(head -n 3 <<<"$output" | tr '\n' ' ')"
}

# check_program PROGRAM DOCUMENT: starts the program with a fresh home on a virtual display,
# answers the first start's questions with their defaults and waits for the window titled
# after the document.
check_program() {
    local program=$1 document=$2 title window i
    title="$(basename "$document") - Brushly"
    if [ -z "$xserver" ]; then
        export DISPLAY=:$((100 + RANDOM % 100))
        Xvfb "$DISPLAY" -screen 0 1280x800x24 >/dev/null 2>&1 &
        xserver=$!
        sleep 1
    fi
    mkdir -p "$work/home"
    HOME=$work/home XDG_CONFIG_HOME=$work/home/.config QT_QPA_PLATFORM=xcb \
        "$program" "$document" >"$work/program.log" 2>&1 &
    local pid=$!
    for ((i = 0; i < 240; i++)); do
        kill -0 "$pid" 2>/dev/null || fail "$program exited early: $(cat "$work/program.log")"
        window=$(xdotool search --onlyvisible --name "^Brushly$|Select a Japanese Font" 2>/dev/null |
            head -n1 || true)
        if [ -n "$window" ]; then
            xdotool windowfocus "$window" >/dev/null 2>&1 || true
            xdotool key Return >/dev/null 2>&1 || true
        fi
        if xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; then
            echo "$program: the window \"$title\" is shown"
            kill "$pid"
            wait "$pid" 2>/dev/null || true
            return 0
        fi
        sleep 0.25
    done
    kill "$pid" 2>/dev/null || true
    fail "$program showed no window \"$title\" within 60 s: $(cat "$work/program.log")"
}

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" --strip >/dev/null
for file in bin/brushly bin/brushly-tool share/icons/hicolor/scalable/apps/org.brushly.brushly.svg \
    share/brushly/MasterDB.kdb share/brushly/CompDBedictdem.kdb2 share/brushly/KanaDBedictdem.kdb2 \
    share/brushly/DATA-SOURCES.txt share/brushly/licences/KanjiVG-COPYING \
    share/brushly/licences/KANJIDIC2-copyright share/brushly/licences/EDICT-copyright; do
    [ -s "$prefix/$file" ] || fail "$file was not installed"
done
desktop-file-validate "$prefix/share/applications/org.brushly.brushly.desktop"
echo "desktop entry: valid"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/org.brushly.brushly.metainfo.xml"

# The file type, by name and, for a copy without the extension, by the magic bytes.
update-mime-database "$prefix/share/mime" >/dev/null 2>&1
document=$work/sample.bly
"$prefix/bin/brushly-tool" doc --new "$document" >/dev/null
cp "$document" "$work/sample-without-extension"
for file in "$document" "$work/sample-without-extension"; do
    type=$(XDG_DATA_DIRS=$prefix/share:/usr/share gio info -a standard::content-type "$file" |
        sed -n 's/.*standard::content-type: //p')
    [ "$type" = application/x-brushly ] || fail "$file is known as $type, not application/x-brushly"
    echo "$(basename "$file"): $type"
done

check_tool "$prefix/bin"
check_program "$prefix/bin/brushly" "$document"

[ "$package" -eq 1 ] || exit 0
[ "$(id -u)" -eq 0 ] || fail "--package installs the package and needs root"
(cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1) || fail "cpack failed: $(cat "$work/cpack.log")"
deb=$(realpath "$(ls "$build"/brushly_*.deb | head -n1)")
echo "$(basename "$deb"): $(dpkg-deb -f "$deb" Depends)"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >"$work/apt.log" 2>&1 ||
    fail "the package did not install: $(tail -n 20 "$work/apt.log")"
status=0
(check_tool /usr/bin && check_program /usr/bin/brushly "$document") || status=$?
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq brushly >/dev/null 2>&1 ||
    fail "the package did not remove"
[ ! -e /usr/bin/brushly ] || fail "/usr/bin/brushly is left after the removal"
echo "the package installed, ran and was removed"
exit "$status"
