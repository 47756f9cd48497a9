#!/usr/bin/env bash
# Takes a screenshot of each of Tabloom's windows (the category names dialog, a message box, the
# record-entry dialog with a few records, the About box) from the real program under Xvfb, typing
# and clicking with xdotool, into docs/*.png; then the same at 200 % (QT_SCALE_FACTOR=2) into
# docs/*-200.png, and checks that every window at 200 % is twice its size at 100 %.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${TABLOOM_BUILD_DIR:-$source_dir/build}
docs_dir=$source_dir/docs
display_number=${TABLOOM_SCREENSHOT_DISPLAY:-97}

for command in Xvfb xdotool import; do
    command -v "$command" >/dev/null || { echo "$command is missing: run scripts/install-deps.sh --test" >&2; exit 1; }
done

cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTABLOOM_TESTS=OFF -DTABLOOM_BENCH=OFF >/dev/null
cmake --build "$build_dir" --target tabloom

work_dir=$(mktemp -d)
Xvfb ":$display_number" -screen 0 2048x1536x24 -nolisten tcp >"$work_dir/xvfb.log" 2>&1 &
xvfb_pid=$!
tabloom_pid=
cleanup() {
    [[ -n "$tabloom_pid" ]] && kill "$tabloom_pid" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work_dir"
}
trap cleanup EXIT
export DISPLAY=":$display_number"
export QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

# Waits for the visible window with this exact caption and prints its id.
window_named() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1) && [[ -n "$id" ]] && { echo "$id"; return; }
        sleep 0.1
    done
    echo "no window \"$1\" appeared" >&2
    exit 1
}

# Gives the window the keyboard; there is no window manager to do it.
focus() {
    xdotool windowfocus --sync "$1"
    sleep 0.3
}

shoot() {
    sleep 0.5
    import -window "$1" "$docs_dir/$2"
    echo "wrote docs/$2"
}

keys() {
    xdotool key --delay 40 "$@"
    sleep 0.3
}

type_text() {
    xdotool type --delay 20 "$1"
}

# One session of the real program at a scale factor; the shots get the suffix.
session() {
    local suffix=$2
    cd "$work_dir"
    QT_SCALE_FACTOR=$1 "$build_dir/app/tabloom" &
    tabloom_pid=$!

    category=$(window_named "Category name")
    focus "$category"
    type_text "Name"
    keys alt+n
    message=$(window_named "tabloom")
    focus "$message"
    shoot "$message" "message-box$suffix.png"
    keys Return

    focus "$category"
    keys Tab
    type_text "Address"
    keys Tab
    type_text "Phone"
    shoot "$category" "category-dialog$suffix.png"
    keys alt+n

    record=$(window_named "Tabloom")
    focus "$record"
    add_record "Ada Lovelace" "12 St James's Square, London" "020 7946 0018"
    add_record "Grace Hopper" "Arlington, Virginia" "+1 703 555 0143"
    add_record "Alan Turing" "Hollymeade, Wilmslow" "01625 555 912"
    shoot "$record" "record-dialog$suffix.png"

    keys shift+F10
    keys a
    about=$(window_named "About Tabloom")
    focus "$about"
    shoot "$about" "about-box$suffix.png"
    keys Return

    focus "$record"
    keys Escape
    wait "$tabloom_pid"
    tabloom_pid=
}

add_record() {
    type_text "$1"; keys Tab
    type_text "$2"; keys Tab
    type_text "$3"
    keys alt+a shift+Tab shift+Tab
}

session 1 ""
session 2 "-200"

# At 200 % a window keeps its proportions: each side is twice as long, give or take the rounding
# of one pixel at each edge.
status=0
for shot in message-box category-dialog record-dialog about-box; do
    read -r width height <<<"$(identify -format '%w %h' "$docs_dir/$shot.png")"
    read -r width2 height2 <<<"$(identify -format '%w %h' "$docs_dir/$shot-200.png")"
    if (( width2 < 2 * width - 2 || width2 > 2 * width + 2 || height2 < 2 * height - 2 || height2 > 2 * height + 2 )); then
        echo "$shot: ${width}x$height at 100 %, ${width2}x$height2 at 200 %" >&2
        status=1
    fi
done
exit $status
