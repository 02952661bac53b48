#!/usr/bin/env bash
# Screenshots of the real application for the README, in Czech and English, saved as
# docs/screenshots/<shot>-<cs|en>.png. Everything runs in private: an X server with a tray host
# (trayer), a D-Bus session with a throw-away keyring, a demo data file over real git
# repositories, and Netlify, Vercel, GitHub and the update server faked on loopback
# (tests/demo/quaylin_demo.cpp).
#
#   scripts/screenshots.sh              every shot
#   scripts/screenshots.sh panel        only the named shots
#
# Each shot is one function `shot_<name>` below, driven by xdotool keys and clicks; add yours
# there and to `all_shots`.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
all_shots=(welcome overview panel editor settings shortcut board board-compact card archive labels
    gitstates)
# Shots of the café's board, taken in an application of their own that opens on that project.
board_shots=(board card archive labels)

if [ "${1:-}" != "--inside" ]; then
    scripts/setup.sh trayer imagemagick
    scripts/build.sh quaylin quaylin_demo
    exec dbus-run-session -- scripts/with-keyring.sh \
        xvfb-run -a -s "-screen 0 1440x900x24 -noreset" "$0" --inside "$@"
fi
shift
shots=("$@")
[ ${#shots[@]} -gt 0 ] || shots=("${all_shots[@]}")

out="$root/docs/screenshots"
mkdir -p "$out"
scratch="$(mktemp -d)"
background=()
app=""
cleanup() {
    [ -z "$app" ] || kill -TERM "$app" 2>/dev/null || true
    for pid in "${background[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache"
mkdir -p "$HOME" "$XDG_CONFIG_HOME/Quaylin" "$XDG_CACHE_HOME"
demo_data="$scratch/demo-data"
empty_data="$scratch/empty-data"

# --- the world around the application ------------------------------------------------------

# A quiet desktop behind the tray panel.
convert -size 1440x900 gradient:'#dde5ef'-'#b3c2d6' "$scratch/desktop.png"
display -window root "$scratch/desktop.png" || true # its exit status says nothing
trayer --edge top --align right --widthtype request --height 26 --SetDockType true \
    --transparent false --tint 0xdcdcdc >/dev/null 2>&1 &
background+=($!)

XDG_DATA_HOME="$demo_data" build/tests/demo/quaylin_demo "$scratch" >"$scratch/demo.out" &
background+=($!)
for _ in $(seq 300); do
    grep -q '^ready ' "$scratch/demo.out" 2>/dev/null && break
    sleep 0.1
done
base="$(sed -n 's/^ready //p' "$scratch/demo.out")"
board_id="$(sed -n 's/^board //p' "$scratch/demo.out")"
gitstates_id="$(sed -n 's/^gitstates //p' "$scratch/demo.out")"
[ -n "$base" ] || { echo "screenshots: the demo services did not start" >&2; exit 1; }
export QUAYLIN_NETLIFY_API="$base" QUAYLIN_VERCEL_API="$base" QUAYLIN_GITHUB_API="$base"
export QUAYLIN_UPDATE_URL="$base/version.json"

# --- helpers -----------------------------------------------------------------------------

# Starts the application on a data folder in a language, with any more preference lines, and
# waits for its first refresh.
start_app() { # data-folder language [key=value...]
    printf '[General]\nQuaylin.language=%s\n' "$2" >"$XDG_CONFIG_HOME/Quaylin/Quaylin.conf"
    local line
    for line in "${@:3}"; do echo "$line" >>"$XDG_CONFIG_HOME/Quaylin/Quaylin.conf"; done
    XDG_DATA_HOME="$1" build/quaylin &
    app=$!
    sleep 4
}

stop_app() {
    kill -TERM "$app"
    wait "$app" || true
    app=""
}

# The id of the shown window titled "Quaylin" that is `width` pixels wide, waiting for it.
window_of_width() { # width
    for _ in $(seq 100); do
        for id in $(xdotool search --onlyvisible --name '^Quaylin$' 2>/dev/null); do
            eval "$(xdotool getwindowgeometry --shell "$id")"
            if [ "$WIDTH" = "$1" ]; then
                echo "$id"
                return
            fi
        done
        sleep 0.1
    done
    echo "screenshots: no window $1 wide" >&2
    return 1
}

# Brings up the main window the way a second launch does, focused.
main_window() {
    XDG_DATA_HOME="$current_data" build/quaylin
    local id
    id="$(window_of_width 1060)"
    xdotool windowfocus --sync "$id"
    echo "$id"
}

# Saves the screen area of window `id` (with any sheet over it) as <shot>-<language>.png.
save_window() { # id shot
    eval "$(xdotool getwindowgeometry --shell "$1")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/$2-$lang.png"
}

# --- the shots ---------------------------------------------------------------------------

shot_welcome() {
    save_window "$(main_window)" welcome
}

shot_overview() {
    save_window "$(main_window)" overview
}

# The tray panel below the icon, with the tray in the picture.
shot_panel() {
    eval "$(xdotool getwindowgeometry --shell "$(xdotool search --class trayer | tail -1)")"
    xdotool mousemove $((X + WIDTH - 13)) $((Y + HEIGHT / 2)) click 1
    local id
    id="$(window_of_width 330)"
    sleep 0.3
    eval "$(xdotool getwindowgeometry --shell "$id")"
    local left=$((X - 24)) bottom=$((Y + HEIGHT + 24))
    import -window root -crop "$((1440 - left))x${bottom}+${left}+0" +repage "$out/panel-$lang.png"
    xdotool key Escape
    sleep 0.5
}

shot_editor() {
    local id
    id="$(main_window)"
    xdotool key ctrl+n
    sleep 1
    save_window "$id" editor
    xdotool key Escape
    sleep 0.5
}

# The settings button (the gear) sits at the right end of the sidebar's footer.
shot_settings() {
    local id
    id="$(main_window)"
    eval "$(xdotool getwindowgeometry --shell "$id")"
    xdotool mousemove $((X + ${SETTINGS_BUTTON_X:-208})) $((Y + HEIGHT - ${SETTINGS_BUTTON_Y:-20})) click 1
    sleep 1
    save_window "$id" settings
    xdotool key Escape
    sleep 0.5
}

# The settings sheet on its keyboard shortcut, recording a new chord: Shift+Tab from the first
# control reaches the recorder (${SHORTCUT_TABS} steps back), which the sheet scrolls into view.
shot_shortcut() {
    local id sheet
    id="$(main_window)"
    eval "$(xdotool getwindowgeometry --shell "$id")"
    xdotool mousemove $((X + ${SETTINGS_BUTTON_X:-208})) $((Y + HEIGHT - ${SETTINGS_BUTTON_Y:-20})) click 1
    sleep 1
    sheet="$(xdotool search --onlyvisible --name '^(Nastavení|Settings)$' | tail -1)"
    local steps=()
    for _ in $(seq "${SHORTCUT_TABS:-6}"); do steps+=(shift+Tab); done
    xdotool key --delay 100 "${steps[@]}" space
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$sheet")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/shortcut-$lang.png"
    xdotool key Escape Escape
    sleep 0.5
}

# The main window on the café's board, made tall enough for the whole board. The keys below
# start from the board's search field (Ctrl+F): Shift+Tab reaches Archive, then Labels; Tab
# passes the six label chips, the plus button and the ideas list to its first card.
board_window() {
    XDG_DATA_HOME="$current_data" build/quaylin
    local id
    id="$(window_of_width 1060)"
    xdotool windowsize --sync "$id" 1060 880
    xdotool windowfocus --sync "$id"
    sleep 0.5
    echo "$id"
}

shot_board() {
    save_window "$1" board
}

shot_board-compact() {
    save_window "$1" board-compact
}

shot_card() {
    xdotool windowfocus --sync "$1" # without a window manager nobody re-activates it
    xdotool key ctrl+f
    xdotool key --delay 100 Tab Tab Tab Tab Tab Tab Tab Tab Tab Return
    sleep 1
    save_window "$1" card
    xdotool key Escape
    sleep 0.5
}

shot_archive() {
    xdotool windowfocus --sync "$1" # without a window manager nobody re-activates it
    xdotool key --delay 100 ctrl+f shift+Tab space
    sleep 1
    save_window "$1" archive
    xdotool key Escape
    sleep 0.5
}

shot_labels() {
    xdotool windowfocus --sync "$1" # without a window manager nobody re-activates it
    xdotool key --delay 100 ctrl+f shift+Tab shift+Tab space
    sleep 1
    save_window "$1" labels
    xdotool key Escape
    sleep 0.5
}

is_board_shot() { # shot
    local shot
    for shot in "${board_shots[@]}" board-compact gitstates; do [ "$shot" = "$1" ] && return 0; done
    return 1
}

wants() { # shot
    local shot
    for shot in "${shots[@]}"; do [ "$shot" = "$1" ] && return 0; done
    return 1
}

for lang in cs en; do
    if wants welcome; then
        current_data="$empty_data"
        start_app "$current_data" "$lang"
        shot_welcome
        stop_app
    fi
    current_data="$demo_data"
    start_app "$current_data" "$lang"
    for shot in "${shots[@]}"; do
        [ "$shot" = welcome ] || is_board_shot "$shot" || "shot_$shot"
    done
    stop_app
    wanted=()
    for shot in "${board_shots[@]}"; do wants "$shot" && wanted+=("$shot"); done
    if [ ${#wanted[@]} -gt 0 ]; then
        start_app "$current_data" "$lang" "Quaylin.lastSelection=$board_id"
        board="$(board_window)"
        for shot in "${wanted[@]}"; do "shot_$shot" "$board"; done
        stop_app
    fi
    # The playground's page: a rebase stopped half-way, a detached HEAD and stashes.
    if wants gitstates; then
        start_app "$current_data" "$lang" "Quaylin.lastSelection=$gitstates_id"
        save_window "$(board_window)" gitstates
        stop_app
    fi
    if wants board-compact; then
        start_app "$current_data" "$lang" "Quaylin.lastSelection=$board_id" \
            "Quaylin.kanbanCompact=true"
        shot_board-compact "$(board_window)"
        stop_app
    fi
done
echo "screenshots in $out"
