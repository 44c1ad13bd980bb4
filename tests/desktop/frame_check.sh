#!/bin/bash
# The skinned main window on a real desktop: run inside an X server (xvfb-run) with a
# small window manager; real pointer events come from xdotool. Moves the window by its
# caption, sizes it by the bottom-right corner, maximises and restores it with the title
# button and with double clicks on the caption, checks that Alt+Left leaves the menu band
# alone, and closes it with the close button; the program must end with exit code 0.
# Usage: frame_check.sh <program> [screenshot.png]
set -u
program=$1
shot=${2:-}
fail() { echo "FAIL: $*"; kill "$app" 2>/dev/null; kill "$wm" 2>/dev/null; exit 1; }

openbox >/dev/null 2>&1 &
wm=$!
for _ in $(seq 1 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---no-sandbox --disable-gpu}"
unset QT_QPA_PLATFORM
"$program" >/dev/null 2>&1 &
app=$!

# The splash comes first; the main window replaces it after five seconds.
win=
for _ in $(seq 1 150); do
    win=$(xdotool search --onlyvisible --name 'Электронный учебник' 2>/dev/null | head -1)
    [ -n "$win" ] && break
    sleep 0.2
done
[ -n "$win" ] || fail "the main window did not appear"
sleep 1

geometry() {
    eval "$(xdotool getwindowgeometry --shell "$win")"
    echo "geometry: $X,$Y ${WIDTH}x$HEIGHT"
}
near() { local d=$(( $1 - $2 )); [ ${d#-} -le ${3:-3} ]; }
drag() { # from x y to x y, in small steps as a hand does
    xdotool mousemove "$1" "$2"; sleep 0.2
    xdotool mousedown 1; sleep 0.2
    local i
    for i in 1 2 3 4 5 6 7 8 9 10; do
        xdotool mousemove $(( $1 + ($3 - $1) * i / 10 )) $(( $2 + ($4 - $2) * i / 10 )); sleep 0.05
    done
    sleep 0.2; xdotool mouseup 1; sleep 0.5
}
clickAt() { xdotool mousemove "$1" "$2"; sleep 0.2; xdotool click 1; sleep 0.7; }
doubleClickAt() { xdotool mousemove "$1" "$2"; sleep 0.2; xdotool click --repeat 2 --delay 80 1; sleep 0.9; }

geometry
x0=$X; y0=$Y; w0=$WIDTH; h0=$HEIGHT
[ "$w0" -eq 891 ] && [ "$h0" -eq 690 ] || fail "the main window is ${w0}x$h0, not 891x690"
[ -n "$shot" ] && import -window root "$shot"

drag $(( x0 + 300 )) $(( y0 + 10 )) $(( x0 + 400 )) $(( y0 + 60 ))
geometry
near "$X" $(( x0 + 100 )) && near "$Y" $(( y0 + 50 )) || fail "dragging the caption did not move the window"
x0=$X; y0=$Y

drag $(( x0 + w0 - 2 )) $(( y0 + h0 - 2 )) $(( x0 + w0 - 102 )) $(( y0 + h0 - 82 ))
geometry
near "$WIDTH" $(( w0 - 100 )) && near "$HEIGHT" $(( h0 - 80 )) || fail "the corner did not size the window"
near "$X" "$x0" && near "$Y" "$y0" || fail "sizing by the corner moved the window"
w0=$WIDTH; h0=$HEIGHT

# Maximise: the second button from the right (18 px wide, 19 px apart, frame 4, top 2).
clickAt $(( x0 + w0 - 4 - 38 + 9 )) $(( y0 + 11 ))
geometry
screen=$(xdotool getdisplaygeometry)
[ "$WIDTH $HEIGHT" = "$screen" ] || fail "maximised to ${WIDTH}x$HEIGHT, the screen is $screen"
clickAt $(( X + WIDTH - 4 - 38 + 9 )) $(( Y + 11 ))
geometry
[ "$WIDTH" -eq "$w0" ] && [ "$HEIGHT" -eq "$h0" ] || fail "restoring gave ${WIDTH}x$HEIGHT, not ${w0}x$h0"

# A double click on the caption maximises, and another restores: the first click must not
# hand the pointer to the window manager's move.
doubleClickAt $(( X + 300 )) $(( Y + 10 ))
geometry
[ "$WIDTH $HEIGHT" = "$screen" ] || fail "a double click on the caption did not maximise (${WIDTH}x$HEIGHT)"
doubleClickAt $(( X + 300 )) $(( Y + 10 ))
geometry
[ "$WIDTH" -eq "$w0" ] && [ "$HEIGHT" -eq "$h0" ] || fail "a second double click gave ${WIDTH}x$HEIGHT, not ${w0}x$h0"

# Alt+Left goes back without arming the menu band: Down after it opens no menu, while Down
# after a lone Alt opens «УМКД».
shown() { xdotool search --onlyvisible --pid "$app" 2>/dev/null | wc -l; }
windows=$(shown)
xdotool key alt+Left; sleep 0.5; xdotool key Down; sleep 0.7
[ "$(shown)" -eq "$windows" ] || fail "Down after Alt+Left opened a menu"
xdotool key alt; sleep 0.5; xdotool key Down; sleep 0.7
[ "$(shown)" -gt "$windows" ] || fail "Down after a lone Alt opened no menu"
xdotool key Escape; sleep 0.3; xdotool key Escape; sleep 0.3

clickAt $(( X + WIDTH - 4 - 19 + 9 )) $(( Y + 11 ))
for _ in $(seq 1 50); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.2
done
kill -0 "$app" 2>/dev/null && fail "the close button did not end the program"
wait "$app"
code=$?
kill "$wm" 2>/dev/null
[ "$code" -eq 0 ] || { echo "FAIL: exit code $code"; exit 1; }
echo "PASS"
