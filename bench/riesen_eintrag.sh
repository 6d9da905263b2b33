#!/usr/bin/env bash
# CPU time and peak memory of the real window with one giant entry, under a
# virtual X server. The archive is the made-up one with LF line ends, as a text
# editor would save it: one line, so one entry of the list "Dumm-Anmach-Sprüche".
# The steps are driven by keys: list the area, select the entry, copy it. At the
# end the clipboard must hold the whole entry.
#
#   bench/riesen_eintrag.sh [BUILD_DIR] [MEGABYTES] [lf|absatz]
#       (defaults: build/default 48 lf; "absatz" joins the lines with spaces
#        instead, one paragraph without any line break)
#
# Needs sprho, sprho-archiv and sprho-bench-archiv built, xvfb, xdotool, xclip.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/default}") megabytes=${2:-48} form=${3:-lf}
if [ -z "${SPRHO_IN_XVFB:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" env SPRHO_IN_XVFB=1 "$0" "$build" "$megabytes" "$form"
fi
export QT_QPA_PLATFORM=xcb
programm=$build/app/sprho werkzeug=$build/tools/sprho-archiv erzeuger=$build/bench/sprho-bench-archiv
for p in "$programm" "$werkzeug" "$erzeuger"; do
    [ -x "$p" ] || { echo "riesen_eintrag: $p fehlt; erst scripts/build" >&2; exit 1; }
done

ordner=$(mktemp -d "${TMPDIR:-/tmp}/sprho-riese-XXXXXX") pid=
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$ordner"' EXIT
"$erzeuger" --zeilen $((megabytes * 1000000 / 86)) "$ordner/roh.dat" >/dev/null
# The scrambled space is the byte 0xFF.
if [ "$form" = absatz ]; then trenner='\377'; else trenner='\n'; fi
{ printf '['; tr -d '\r' <"$ordner/roh.dat" | tr '\n' "$trenner"; } >"$ordner/sprho.dat"
rm "$ordner/roh.dat"
# The entry as readable UTF-8: the line without its "[" and the line end unpack adds.
"$werkzeug" unpack "$ordner/sprho.dat" - 2>/dev/null | tail -c +2 | head -c -1 >"$ordner/eintrag"

takt=$(getconf CLK_TCK)
cpu() { awk -v t="$takt" '{ printf "%.2f", ($14 + $15) / t }' "/proc/$pid/stat"; }
spitze() { awk '/VmHWM/ { printf "%d", $2 / 1024 }' "/proc/$pid/status"; }
# Waits until the program has used no CPU for a second.
ruhe() {
    local vorher jetzt still=0
    vorher=$(cpu)
    while [ "$still" -lt 4 ]; do
        sleep 0.25
        jetzt=$(cpu)
        if [ "$jetzt" = "$vorher" ]; then still=$((still + 1)); else still=0; fi
        vorher=$jetzt
    done
}
bisher=0
schritt() { # name
    ruhe
    local jetzt
    jetzt=$(cpu)
    printf '  %-12s %6.2f s CPU   Spitze %5d MiB\n' "$1" "$(awk -v a="$jetzt" -v b="$bisher" 'BEGIN { print a - b }')" "$(spitze)"
    bisher=$jetzt
}

echo "Eintrag: $(stat -c %s "$ordner/sprho.dat") Bytes im Archiv ($form)"
(cd "$ordner" && exec "$programm") & pid=$!
fenster=$(timeout 20 xdotool search --sync --onlyvisible --name '^Spruchhort$' | head -n1)
xdotool windowfocus --sync "$fenster"
schritt Start
# Past the info panel, a term so that Backtab reaches the options, Down chooses area 1.
xdotool key --window "$fenster" Return
xdotool type --window "$fenster" x
xdotool key --window "$fenster" shift+Tab Down
schritt Auflisten
xdotool key --window "$fenster" Tab Down # into the result list, the entry selected
schritt Auswählen
xdotool key --window "$fenster" Return # copied, then the notice
schritt Kopieren
xclip -selection clipboard -o -t UTF8_STRING >"$ordner/kopiert"
if cmp -s "$ordner/kopiert" "$ordner/eintrag"; then
    echo "  Zwischenablage: der ganze Eintrag, $(stat -c %s "$ordner/kopiert") Bytes UTF-8"
else
    echo "  Zwischenablage: $(stat -c %s "$ordner/kopiert") statt $(stat -c %s "$ordner/eintrag") Bytes" >&2
    exit 1
fi
