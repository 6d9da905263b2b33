#!/usr/bin/env bash
# The real program under a virtual X server, driven from outside like a user:
#   1. close the info panel, search, move into the result list, press Enter,
#      answer the notice; the X clipboard must hold the chosen text while the
#      program still runs;
#   2. without an archive a search shows "Fehler!" and the program ends with a
#      non-zero status once the box is answered.
# Usage: e2e_zwischenablage.sh PATH/TO/sprho PATH/TO/sprho-archiv
set -euo pipefail

programm=$(realpath "$1")
werkzeug=$(realpath "$2")

for befehl in xvfb-run xdotool xclip; do
    command -v "$befehl" >/dev/null || { echo "e2e: $befehl fehlt (scripts/setup installiert es)"; exit 1; }
done
if [ -z "${SPRHO_IN_XVFB:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" env SPRHO_IN_XVFB=1 "$0" "$@"
fi
# The test presets ask Qt for the headless platform; here the X server is real.
export QT_QPA_PLATFORM=xcb

ordner=$(mktemp -d)
pid=
aufraeumen() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -rf "$ordner"
}
trap aufraeumen EXIT

scheitern() {
    echo "e2e: $*" >&2
    exit 1
}

# Waits for a visible window with exactly this title and prints its id.
fenster() {
    timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n1
}

# Presses Enter at a message box and waits until it has gone. A key sent the
# moment a window is mapped can be dropped before the toolkit has taken the
# focus; a repeat that arrives late would land in the main window (the
# toolkit routes keys to its own focus window). So: let the box settle, press
# once, and press again only when it is plainly still open.
beantworten() { # window id, title
    for _ in 1 2 3; do
        sleep 0.5
        xdotool windowfocus --sync "$1" key Return 2>/dev/null || true
        for _ in $(seq 50); do
            xdotool search --onlyvisible --name "^$2\$" | grep -qx "$1" || return 0
            sleep 0.1
        done
    done
    scheitern "»$2« bleibt offen"
}

starten() { # folder
    (cd "$1" && exec "$programm") &
    pid=$!
    haupt=$(fenster Spruchhort) || scheitern "kein Fenster"
    sleep 0.5 # see beantworten
    xdotool windowfocus --sync "$haupt"
}

# --- 1. Copying ---
mkdir "$ordner/mit"
printf '%s\n' "# Kaffee im Kommentar" "Ohne Kaffee bin ich nur halb so süß." \
    "Kaffee für zwei, bitte – mit dir." "Tee ist auch schön." "[Kaffee-Anmache" |
    "$werkzeug" pack - "$ordner/mit/sprho.dat"
gewaehlt="Kaffee für zwei, bitte – mit dir." # first of the two hits in the list's order

starten "$ordner/mit"
xdotool key --window "$haupt" Return # &Weiter
xdotool type --window "$haupt" --delay 20 "kaffee"
xdotool key --window "$haupt" Return       # the search button is the default
xdotool key --window "$haupt" Tab Tab Down # search button, result list, first entry
xdotool key --window "$haupt" Return       # copies and shows the notice
hinweis=$(fenster 'Hinweis!') || scheitern "kein Hinweis nach Enter in der Liste"
beantworten "$hinweis" 'Hinweis!'
# One Enter copies once: no second notice follows the first.
sleep 0.5
xdotool search --onlyvisible --name '^Hinweis!$' >/dev/null && scheitern "ein zweiter Hinweis"
kill -0 "$pid" 2>/dev/null || scheitern "Programm ist nicht mehr da"

inhalt=$(xclip -selection clipboard -o -t UTF8_STRING)
[ "$inhalt" = "$gewaehlt" ] || scheitern "Zwischenablage: »$inhalt« statt »$gewaehlt«"
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=

# --- 2. No archive: the error box, then the end with a non-zero status ---
mkdir "$ordner/ohne"
starten "$ordner/ohne"
xdotool key --window "$haupt" Return
xdotool type --window "$haupt" --delay 20 "x"
xdotool key --window "$haupt" Return
fehler=$(fenster 'Fehler!') || scheitern "kein Fehler-Fenster ohne Archiv"
beantworten "$fehler" 'Fehler!'
# A watchdog, so that a program that doesn't end fails the test instead of hanging it.
(sleep 20 && kill "$pid") >/dev/null 2>&1 &
waechter=$!
status=0
wait "$pid" || status=$?
pid=
kill -0 "$waechter" 2>/dev/null || scheitern "Programm endet nicht nach dem Fehler"
kill "$waechter"
[ "$status" -ne 0 ] || scheitern "Ende nach dem Fehler mit Status 0"

echo "e2e: Zwischenablage »$inhalt«, Fehlerende mit Status $status"
