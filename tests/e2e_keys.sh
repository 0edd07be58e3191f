#!/usr/bin/env bash
# Keys typed on the real program under Xvfb: an Esc that closes the open Game menu leaves the
# program running, a quick Shift+F2 chord (Shift let go before F2) starts a game at once
# without asking, Enter clicks the focused button, Shift with a number-row key takes a die as the
# key alone does, and Esc on the main window ends the program.
set -u
program=$1
work=$(mktemp -d)
game= server=
trap 'kill $game $server 2>/dev/null; rm -rf "$work"' EXIT

source "$(dirname "$0")/support/xvfb.sh"
start_xvfb "$work" || exit 1
export XDG_CONFIG_HOME=$work/config TMPDIR=$work QT_QPA_PLATFORM=xcb
mkdir -p "$work/config"
printf '[Info]\nShowWelcomeMessage=0\ndefNumPlayers=2\ndefPlayerIsCompString=False¤False¤~¤~¤~¤~¤~¤~¤\n' \
    >"$work/config/OrvaneDravik3.ini"

fail() {
    echo "$1"
    cat "$work/program.log"
    exit 1
}
# Waits up to 5 s for a visible window whose title matches.
visible() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}
# Waits up to 5 s until no visible window's title matches.
gone() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}
# Gives the keyboard to the visible window whose title matches (there is no window manager to do it).
focus() { timeout 5 xdotool search --onlyvisible --name "$1" windowfocus --sync >/dev/null 2>&1; }
# Number of visible windows of the program.
windows() { xdotool search --onlyvisible --class OrvaneDravik3 2>/dev/null | wc -l; }

"$program" >"$work/program.log" 2>&1 &
game=$!
visible "^ Orvane Dravik 3.0$" || fail "the main window did not appear"
main=$(xdotool search --onlyvisible --name "^ Orvane Dravik 3.0$" | head -1)
timeout 5 xdotool windowfocus --sync "$main" 2>/dev/null
sleep 0.5

# The Game menu opens below its label; Esc closes it and nothing else.
before=$(windows)
xdotool mousemove --window "$main" 20 12 click 1
for _ in $(seq 50); do [ "$(windows)" -gt "$before" ] && break; sleep 0.1; done
[ "$(windows)" -gt "$before" ] || fail "the Game menu did not open"
xdotool key Escape
sleep 1
kill -0 $game 2>/dev/null || fail "Esc on the open Game menu ended the program"
[ "$(windows)" -eq "$before" ] || fail "Esc did not close the Game menu"

# xdotool lets go of Shift before F2: the chord still starts a game from the saved set-up.
timeout 5 xdotool windowfocus --sync "$main" 2>/dev/null
xdotool key shift+F2
visible "^ Score Pad$" || fail "Shift+F2 did not start a game at once"
xdotool search --onlyvisible --name "Start New Game" >/dev/null 2>&1 && fail "Shift+F2 left the set-up dialog open"

# Enter clicks the focused button: the set-up dialog's Play (reached by F2 and Enter on the quit
# question's default Yes), then in the About box, whose default is OK, Credits after a Tab.
timeout 5 xdotool windowfocus --sync "$main" 2>/dev/null
xdotool key F2 && visible "^Quit\?$" && focus "^Quit\?$" && xdotool key Return && visible "Start New Game" ||
    fail "F2 and Enter did not bring the set-up dialog"
focus "Start New Game"
xdotool key Return
sleep 1
xdotool search --onlyvisible --name "Start New Game" >/dev/null 2>&1 && fail "Enter on the focused Play did nothing"
before=$(windows)
xdotool mousemove --window "$main" 74 12 click 1  # the Help menu; Up and Enter pick its last entry, About
for _ in $(seq 50); do [ "$(windows)" -gt "$before" ] && break; sleep 0.1; done
xdotool key Up Return && visible "^About Orvane" && focus "^About Orvane" && xdotool key Tab Return &&
    visible "Credits$" || fail "Enter on the About box's focused Credits did not open them"
for window in "Credits$" "^About Orvane"; do focus "$window" && xdotool key Escape && gone "$window"; done

# Two people play. After a throw, Shift+1 .. Shift+6 ("!", "@" ...) take a die into the set-aside
# row; a throw without a scoring die passes the turn with the row empty, and the next seat throws.
timeout 5 xdotool windowfocus --sync "$main" 2>/dev/null
row() { import -display "$DISPLAY" -window "$main" -crop 361x60+15+240 "$work/row$1.png"; }
taken=
for _ in 1 2 3; do
    row 0
    xdotool key r shift+1 shift+2 shift+3 shift+4 shift+5 shift+6
    for _ in $(seq 30); do
        sleep 0.1
        row 1
        [ "$(compare -metric AE "$work/row0.png" "$work/row1.png" null: 2>&1)" != 0 ] && taken=yes && break
    done
    [ -n "$taken" ] && break
done
[ -n "$taken" ] || fail "Shift and a number-row key took no die"

# Esc pressed on the main window still ends the program at once.
timeout 5 xdotool windowfocus --sync "$main" 2>/dev/null
xdotool key Escape
for _ in $(seq 50); do kill -0 $game 2>/dev/null || break; sleep 0.1; done
kill -0 $game 2>/dev/null && fail "Esc on the main window did not end the program"
game=
exit 0
