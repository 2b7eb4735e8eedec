#!/bin/sh
# Pictures of the window on a virtual display, to look at the texts of every language, a dark palette and a
# doubled scale: the Memory and Settings pages, the edit dialog, COM Port Setup, Find, Set Field, About and
# the print preview, each cropped to its window.
#   tools/screenshots.sh OUT_DIR [LANG...]          (languages: en ja de fr es it; default all six)
#   DARK=1 or SCALE=2 in the environment: Fusion in dark colours, or Qt's scale factor 2.
# Needs xvfb, xdotool and imagemagick; runs build/kt-m40 on its virtual radio with its settings in a
# temporary folder.
set -eu
out=${1:?output folder}
shift
langs=${*:-en ja de fr es it}
program=$(cd "$(dirname "$0")/.." && pwd)/build/kt-m40
mkdir -p "$out"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

shoot_dialog() { # name: the dialog in front of the main window, then closed with Escape
    dialog=$(xdotool search --onlyvisible --pid "$pid" | grep -vx "$main" | tail -n 1)
    import -window "$dialog" "$out/$1-$suffix.png"
    xdotool key Escape
    sleep 0.5
    xdotool windowfocus --sync "$main" # no window manager gives the focus back
}

run_one() { # lang
    lang=$1
    suffix=$lang
    [ "${DARK:-}" = 1 ] && suffix=dark-$lang
    [ "${SCALE:-}" = 2 ] && suffix=scale2-$lang
    XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data \
        KT_M40_DARK_PALETTE=${DARK:-0} QT_SCALE_FACTOR=${SCALE:-1} \
        "$program" --demo --lang="$lang" &
    pid=$!
    sleep 4 # the splash's pause
    main=$(xdotool search --sync --onlyvisible --pid "$pid" | tail -n 1)
    xdotool windowfocus --sync "$main"
    # Tool > Read > ALL from the virtual radio, by the menu bar's arrows: no letter differs between languages
    xdotool key alt
    sleep 0.3
    xdotool key Right Right Right Down Right Down Down Return
    sleep 8
    import -window "$main" "$out/memory-$suffix.png"
    # Edit > Modify: the edit dialog for the current row
    xdotool key alt
    sleep 0.3
    xdotool key Right Down Return
    sleep 1
    shoot_dialog edit
    # Tool > last item (COM Port Setup)
    xdotool key alt
    sleep 0.3
    xdotool key Right Right Right Down Down Down Down Return
    sleep 1
    shoot_dialog com
    # Edit > Find (Ctrl+F)
    xdotool key ctrl+f
    sleep 1
    shoot_dialog find
    # Edit > Set Field on the first three rows: from Modify, up past Find Next, Find and Sort
    xdotool key shift+Down shift+Down alt
    sleep 0.3
    xdotool key Right Down Up Up Up Up Return
    sleep 1
    shoot_dialog setfield
    # Help > About
    xdotool key alt
    sleep 0.3
    xdotool key Right Right Right Right Down Return
    sleep 1
    shoot_dialog about
    # File > Print Preview: up from New, past Exit and Print
    xdotool key alt
    sleep 0.3
    xdotool key Down Up Up Up Return
    sleep 2
    shoot_dialog preview
    xdotool key ctrl+Tab
    sleep 1
    import -window "$main" "$out/settings-$suffix.png"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

for lang in $langs; do
    run_one "$lang"
done
