#!/usr/bin/env bash
# The real program as a desktop starts it: its command line without any display, then its window
# under a window manager (openbox, which frames it with a title bar) on a virtual X server.
# Args: sprho desktop-entry version
set -euo pipefail
programm=$(realpath "$1") eintrag=$(realpath "$2") version=$3
scheitern() { echo "e2e: $*" >&2; exit 1; }
ordner=$(mktemp -d) pid='' wm=''
trap 'kill $pid $wm 2>/dev/null || true; rm -rf "$ordner"' EXIT

if [ -z "${SPRHO_IN_XVFB:-}" ]; then
    # Help and version on stdout with status 0, wrong usage on stderr with status 2.
    aufruf() { # status, stream that holds the text, text, arguments...
        local soll=$1 strom=$2 text=$3 status=0
        shift 3
        env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$programm" "$@" \
            >"$ordner/1" 2>"$ordner/2" || status=$?
        local leer=$((3 - strom))
        [ "$status" = "$soll" ] && grep -q -x -F -- "$text" "$ordner/$strom" && [ ! -s "$ordner/$leer" ] ||
            scheitern "sprho $* ohne Anzeige: Status $status, $(cat "$ordner/1" "$ordner/2")"
    }
    aufruf 0 1 "Aufruf: sprho [ARCHIV]" --help
    aufruf 0 1 "sprho $version" --version
    aufruf 2 2 "sprho: unbekannte Option „--hilfe“" --hilfe
    aufruf 2 2 "sprho: nur ein ARCHIV erwartet, nicht auch „-v“" -- a.dat -v
    # What keeps the window from opening is said before it opens: status 1, the path as given.
    kein() { echo "sprho: Archiv „$1“ kann nicht gelesen werden: $2"; }
    aufruf 1 2 "$(kein "$ordner/%1 fehlt.dat" "die Datei gibt es nicht")" "$ordner/%1 fehlt.dat"
    aufruf 1 2 "$(kein "$ordner" "ist ein Ordner")" "$ordner"
    # root reads any file; a kernel setting that is write-only is one root cannot read either.
    gesperrt=$ordner/gesperrt.dat && : >"$gesperrt" && chmod 000 "$gesperrt"
    [ -r "$gesperrt" ] && gesperrt=/proc/sys/vm/compact_memory
    [ -f "$gesperrt" ] && [ ! -r "$gesperrt" ] && aufruf 1 2 "$(kein "$gesperrt" "keine Leserechte")" "$gesperrt" ||
        echo "e2e: übersprungen: keine Datei, die $(id -un) nicht lesen kann" >&2
    aufruf 1 2 "sprho: keine grafische Anzeige für das Fenster: DISPLAY, WAYLAND_DISPLAY und QT_QPA_PLATFORM sind nicht gesetzt"
    source "$(dirname "$0")/../hilfsprogramme.sh"
    brauchen xvfb-run xdotool xwininfo xprop openbox
    exec xvfb-run -a -s "-screen 0 1024x768x24" env SPRHO_IN_XVFB=1 "$0" "$@"
fi
export QT_QPA_PLATFORM=xcb # ctest asks every test for the headless platform

# The window manager first, as on a desktop.
openbox --sm-disable >/dev/null 2>&1 & wm=$!
timeout 10 bash -c 'until xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"; do
    sleep 0.1; done' || scheitern "openbox läuft nicht"
(cd "$ordner" && exec timeout 60 "$programm") & pid=$!
fenster=$(timeout 20 xdotool search --sync --onlyvisible --name '^Spruchhort$' | head -n1) ||
    scheitern "kein Fenster"

# The outer frame x y b h: the window's area (at ix iy) widened by the frame openbox reports.
aussen() {
    local info links rechts oben unten
    info=$(xwininfo -id "$fenster")
    ix=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    iy=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    IFS=', ' read -r links rechts oben unten < <(xprop -id "$fenster" _NET_FRAME_EXTENTS | sed 's/.*= //')
    [ "$oben" -gt 0 ] 2>/dev/null || return 1
    x=$((ix - links)) y=$((iy - oben))
    b=$(($(sed -n 's/.*Width: *//p' <<<"$info") + links + rechts))
    h=$(($(sed -n 's/.*Height: *//p' <<<"$info") + oben + unten))
}
# The frame comes after the window shows, and the window moves into place after it.
for _ in $(seq 50); do
    aussen && [ "$x $y" = "$(((1024 - b) / 2)) $(((768 - h) / 2))" ] && break
    sleep 0.2
done
aussen || scheitern "kein Rahmen um das Fenster"
soll="$(((1024 - b) / 2)) $(((768 - h) / 2))"
[ "$x $y" = "$soll" ] || scheitern "Rahmen ($b x $h) bei $x $y statt mittig bei $soll"

# Moved by the user, it stays there.
xdotool windowmove "$fenster" 20 30
sleep 1
aussen
[ "$ix $iy" = "20 30" ] || scheitern "verschoben nach 20 30, steht aber bei $ix $iy"

# The desktop entry names the window's class, so docks link the two.
klasse=$(xprop -id "$fenster" WM_CLASS | sed 's/.*, "\(.*\)"$/\1/')
grep -q -x "StartupWMClass=$klasse" "$eintrag" || scheitern "WM_CLASS $klasse fehlt im Desktop-Eintrag"
echo "e2e: Rahmen $b x $h mittig bei ${soll/ /,}, Klasse $klasse, Aufrufe ohne Anzeige in Ordnung"
