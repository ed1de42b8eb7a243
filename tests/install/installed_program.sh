#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR under an unusual prefix and
# runs the installed sorvex as a user would: from an empty folder, with no
# other data folder that could supply its files. The program window is
# driven under Xvfb with xdotool, through the keys and clicks a user makes.
#
#   installed_program.sh BUILD_DIR VERSION
#
# Exits 77 (skipped) when xvfb-run or xdotool is missing.
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Visible windows of a process as "WIDTHxHEIGHT" lines, sorted.
window_sizes() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
        xdotool getwindowgeometry "$id" | sed -n 's/^ *Geometry: //p'
    done | sort
}

# Waits up to 10 s until the process shows exactly these window sizes.
expect_windows() {
    local pid=$1 expected=$2 shown=
    for _ in $(seq 100); do
        shown=$(window_sizes "$pid" | tr '\n' ' ' | sed 's/ $//')
        [ "$shown" = "$expected" ] && return 0
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    fail "expected windows '$expected', shown '$shown'"
}

# Presses Return once the window has the keyboard focus (there is no window
# manager, so the program gives it the focus itself, some time after mapping).
press_return_in() {
    for _ in $(seq 100); do
        [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] && break
        sleep 0.1
    done
    xdotool key Return
}

# The GUI part, run under xvfb-run: the disclaimer, its OK (Return), the
# main window, then the manual viewer through the Readme button.
# `complete` expects every file to load; `no-lamp` expects the report of
# the missing lamp picture and the end with status 1.
drive() {
    local program=$1 folder=$2 expectation=$3
    local disclaimer=423x230 main=671x425 viewer=520x362
    cd "$folder"
    "$program" &
    local pid=$!
    expect_windows "$pid" "$disclaimer"
    press_return_in "$(xdotool search --onlyvisible --pid "$pid" | head -1)"
    if [ "$expectation" = no-lamp ]; then
        # A message box instead of the main window; closing it ends the program.
        local shown=$disclaimer
        for _ in $(seq 100); do
            shown=$(window_sizes "$pid")
            [ -n "$shown" ] && [ "$shown" != "$disclaimer" ] && break
            sleep 0.1
        done
        [ "$(wc -l <<<"$shown")" -eq 1 ] || fail "expected the report alone, shown: $shown"
        [ "$shown" != "$main" ] && [ "$shown" != "$disclaimer" ] || fail "expected the report, shown: $shown"
        press_return_in "$(xdotool search --onlyvisible --pid "$pid" | head -1)"
        local status=0
        wait "$pid" || status=$?
        [ "$status" -eq 1 ] || fail "ended with status $status after the missing-picture report, expected 1"
        return 0
    fi
    # Only the main window: a missing or damaged picture would have shown a
    # report instead.
    expect_windows "$pid" "$main"
    local window
    window=$(xdotool search --onlyvisible --pid "$pid" | head -1)
    # Readme (Command9), then the viewer alone beside the main window: a
    # missing or unreadable manual would have shown a report first.
    xdotool mousemove --window "$window" 508 404 click 1
    expect_windows "$pid" "$viewer $main"
    # The end button (cmend) ends the program with status 0.
    xdotool mousemove --window "$window" 616 408 click 1
    local status=0
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || fail "ended with status $status"
}

if [ "${1:-}" = --drive ]; then
    shift
    drive "$@"
    exit
fi

build=$1
version=$2
for tool in xvfb-run xdotool; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
DESTDIR="$work/dest" cmake --install "$build" --prefix /opt/sorvex-test >/dev/null
prefix="$work/dest/opt/sorvex-test"
for file in bin/sorvex bin/sorvex-judge \
    share/sorvex/r1.bmp share/sorvex/r2.bmp share/sorvex/r3.bmp share/sorvex/win.bmp share/sorvex/sorvex.txt \
    share/man/man1/sorvex.1 share/man/man1/sorvex-judge.1 \
    share/applications/io.github.sorvex.Sorvex.desktop share/metainfo/io.github.sorvex.Sorvex.metainfo.xml \
    share/icons/hicolor/32x32/apps/io.github.sorvex.Sorvex.png; do
    [ -f "$prefix/$file" ] || fail "not installed: $file"
done

# Options need no display.
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
[ "$("${no_display[@]}" "$prefix/bin/sorvex" --version)" = "sorvex $version" ] || fail "sorvex --version"
"${no_display[@]}" "$prefix/bin/sorvex" --help | grep -q -- '--version' || fail "sorvex --help"
[ "$("$prefix/bin/sorvex-judge" --version)" = "sorvex-judge $version" ] || fail "sorvex-judge --version"
grep -q "Sorvex $version" "$prefix/share/man/man1/sorvex.1" || fail "version in the manual page"
if command -v man >/dev/null; then
    for page in sorvex.1 sorvex-judge.1; do
        MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/$page" 2>&1 >/dev/null | grep . && fail "man warns on $page"
    done
fi

# From an empty folder, with the system's data folders pointing nowhere, the
# files can come only from the installed data folder beside the program.
mkdir "$work/empty" "$work/no-data"
export XDG_DATA_HOME="$work/no-data" XDG_DATA_DIRS="$work/no-data"
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1024x768x24" "$0" --drive "$prefix/bin/sorvex" "$work/empty" complete

# The same without the installed lamp picture must fail, so the run above
# did read the installed files.
rm "$prefix/share/sorvex/win.bmp"
xvfb-run -a -s "-screen 0 1024x768x24" "$0" --drive "$prefix/bin/sorvex" "$work/empty" no-lamp
echo "installed sorvex loaded its pictures and manual from $prefix/share/sorvex"
