#!/usr/bin/env bash
# The real program under a virtual X server, driven from outside like a user. Args: sprho sprho-archiv
set -euo pipefail
programm=$(realpath "$1") werkzeug=$(realpath "$2")
scheitern() { echo "e2e: $*" >&2; exit 1; }
source "$(dirname "$0")/../hilfsprogramme.sh"
brauchen xvfb-run xdotool xclip
[ -n "${SPRHO_IN_XVFB:-}" ] || exec xvfb-run -a -s "-screen 0 1024x768x24" env SPRHO_IN_XVFB=1 "$0" "$@"
export QT_QPA_PLATFORM=xcb # ctest asks every test for the headless platform
ordner=$(mktemp -d) pid=
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$ordner"' EXIT
# Without an archive named, the program looks for one as sprho-archiv does: here it finds none
# but what the test puts in place.
export HOME=$ordner/heim XDG_DATA_DIRS=$ordner/system && unset XDG_DATA_HOME
# Under LeakSanitizer, leaks in the system's D-Bus library would end the program with 134.
printf 'leak:libdbus-1\n' >"$ordner/lsan" && export LSAN_OPTIONS="suppressions=$ordner/lsan"
fenster() { timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n1; }

# A key sent as a box maps can be lost before the toolkit takes the focus, and a late repeat
# would reach the main window: let the box settle, and press again only while it stays open.
beantworten() { # title
    local id; id=$(fenster "$1") || scheitern "kein Fenster »$1«"
    for _ in 1 2 3; do
        sleep 0.5
        xdotool windowfocus --sync "$id" key Return 2>/dev/null || true
        timeout 5 bash -c 'while xdotool search --onlyvisible --name "^$0\$" | grep -qx "$1"; do
            sleep 0.1; done' "$1" "$id" && return 0
    done
    scheitern "»$1« bleibt offen"
}

# Starts the program in a folder, for a minute at most, and searches with Enter (info panel, term).
suchen() { # folder, term, arguments of the program...
    (mkdir -p "$1" && cd "$1" && shift 2 && exec timeout 60 "$programm" "$@") & pid=$!
    haupt=$(fenster Spruchhort) || scheitern "kein Fenster"
    sleep 0.5 # see beantworten
    xdotool windowfocus --sync "$haupt"
    xdotool key --window "$haupt" Return
    xdotool type --window "$haupt" --delay 20 "$2"
    xdotool key --window "$haupt" Return
}

# Enter on the first hit copies it; the X clipboard holds it while the program runs.
kopieren() { # text expected, folder, arguments of the program...
    suchen "$2" kaffee "${@:3}"
    xdotool key --window "$haupt" Tab Tab Down Return
    beantworten 'Hinweis!'
    inhalt=$(xclip -selection clipboard -o -t UTF8_STRING) || scheitern "Zwischenablage leer"
    [ "$inhalt" = "$1" ] || scheitern "Zwischenablage: »$inhalt« statt »$1«"
    kill "$pid" && wait "$pid" 2>/dev/null || true # its window gone before the next one is sought
}
gewaehlt="Kaffee für zwei, bitte – mit dir." # first in the list's order
printf '%s\n' "Ohne Kaffee bin ich halb so süß." "$gewaehlt" "Tee." | "$werkzeug" pack - "$ordner/sprho.dat"
kopieren "$gewaehlt" "$ordner"
# An archive named on the command line is read instead of sprho.dat in the working directory.
printf '%s\n' "Kaffee aus dem anderen Archiv." | "$werkzeug" pack - "$ordner/anderes.dat"
kopieren "Kaffee aus dem anderen Archiv." "$ordner" anderes.dat

# Without an archive a search shows "Fehler!", then the program ends with status 1.
suchen "$ordner/ohne" x
beantworten 'Fehler!'
wait "$pid" && status=0 || status=$?
[ "$status" -eq 1 ] || scheitern "Ende nach dem Fehler mit Status $status statt 1"
echo "e2e: Zwischenablage »$inhalt«, Fehlerende mit Status 1"
