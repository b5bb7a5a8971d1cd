# Sourced by the measuring scripts: a private X server on a free display
# chosen by the server itself, with its folder removed and the server ended
# when the script exits. After `start_private_xvfb WxHxD`, DISPLAY names
# it, $xvfb_pid is its process and $work is a scratch folder.
work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

start_private_xvfb() {
    Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp -noreset 3>"$work/display" \
        2>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.05
    done
    [ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; echo "Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(head -n1 "$work/display")"
}
