# Sourced by the end-to-end scripts. start_xvfb <folder> starts a private Xvfb on a display that
# Xvfb picks itself (-displayfd: one that is free), waits until it takes connections, and sets
# DISPLAY and server. It fails, and says so, when its own server did not start: the scripts never
# run the program on some other X server. It does not reset when its last client leaves: a reset
# between the scripts' short probes refused the window manager or the program now and then.
start_xvfb() {
    local number=$1/display
    : >"$number"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$number" >"$1/xvfb.log" 2>&1 &
    server=$!
    for _ in $(seq 100); do
        [ -s "$number" ] && break
        kill -0 $server 2>/dev/null || break
        sleep 0.1
    done
    if ! [ -s "$number" ] || ! kill -0 $server 2>/dev/null; then
        echo "Xvfb did not start:"
        cat "$1/xvfb.log"
        return 1
    fi
    DISPLAY=:$(head -1 "$number")
    export DISPLAY
}
