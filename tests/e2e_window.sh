#!/usr/bin/env bash
# Starts the real program under Xvfb with a window manager (openbox), waits for its main window
# and saves a screenshot; then runs the window check, which opens the real windows from the
# program's library and reads back from the X server where the window manager put them.
# Fails when the window does not appear or a window stands in the wrong place.
# Arguments: the program, the screenshot folder, the window check program.
set -u
program=$1
shots=$2
check=${3:-}
mkdir -p "$shots"
work=$(mktemp -d)
game= manager= server=
trap 'kill $game $manager $server 2>/dev/null; rm -rf "$work"' EXIT

source "$(dirname "$0")/support/xvfb.sh"
start_xvfb "$work" || exit 1
export XDG_CONFIG_HOME=$work/config TMPDIR=$work QT_QPA_PLATFORM=xcb

command -v openbox >/dev/null || { echo "openbox is not installed (scripts/setup installs it)"; exit 1; }
HOME=$work openbox --sm-disable >"$work/openbox.log" 2>&1 &
manager=$!
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

"$program" >"$work/program.log" 2>&1 &
game=$!
found=
for _ in $(seq 100); do
    if xwininfo -root -tree 2>/dev/null | grep -q '" Orvane Dravik 3.0"'; then found=yes; break; fi
    kill -0 $game 2>/dev/null || break
    sleep 0.1
done
if [ -z "$found" ]; then
    echo "the main window did not appear"
    cat "$work/program.log"
    exit 1
fi
sleep 1  # let the first frame reach the screen before the picture is taken
import -display "$DISPLAY" -window root "$shots/main_window.png" || { echo "no screenshot"; exit 1; }
echo "screenshot: $shots/main_window.png"
[ -f "$work/config/OrvaneDravik3.ini" ] || { echo "the settings file was not written"; exit 1; }

# The first start shows the modal welcome window. Openbox offers minimise on it; minimised, the
# table would wait on a window out of sight, so it must come straight back.
welcome=$(xdotool search --name '^How to Dravik$' 2>/dev/null | head -1)
[ -n "$welcome" ] || { echo "the welcome window did not appear"; exit 1; }
xdotool windowminimize "$welcome"
sleep 1  # the window manager has taken it down by now; a window that stays down fails below
shown=
for _ in $(seq 30); do
    sleep 0.1
    if xwininfo -id "$welcome" 2>/dev/null | grep -q 'IsViewable'; then shown=yes; break; fi
done
[ -n "$shown" ] || { echo "the minimised welcome window stayed out of sight"; exit 1; }
echo "ok    the minimised welcome window came back"
kill $game 2>/dev/null
wait $game 2>/dev/null

[ -n "$check" ] || exit 0
# The window check: no welcome window, no sounds.
export XDG_CONFIG_HOME=$work/check
mkdir -p "$XDG_CONFIG_HOME"
printf '[Info]\nShowWelcomeMessage=0\nSoundFXOFF=1\n' >"$XDG_CONFIG_HOME/OrvaneDravik3.ini"
timeout 120 "$check" "$shots"
