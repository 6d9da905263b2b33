#!/usr/bin/env bash
# Peak memory of `sprho-archiv search` on a made-up archive of about 100 MB:
# a main-area pass that finds a few lines, and an area-1 listing. The archive
# is generated into a temporary folder and removed afterwards.
#
#   bench/peak_memory.sh [BUILD_DIR] [MEGABYTES]     (defaults: build/default 100)
#
# Needs sprho-archiv and sprho-bench-archiv built in BUILD_DIR, and GNU time.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/default}
megabytes=${2:-100}
archiv_werkzeug=$build/tools/sprho-archiv
erzeuger=$build/bench/sprho-bench-archiv

for programm in "$archiv_werkzeug" "$erzeuger"; do
    if [ ! -x "$programm" ]; then
        echo "peak_memory: $programm fehlt; erst bauen: cmake --build --preset default" >&2
        exit 1
    fi
done
if [ ! -x /usr/bin/time ]; then
    echo "peak_memory: /usr/bin/time fehlt (Debian-Paket time)" >&2
    exit 1
fi

ordner=$(mktemp -d "${TMPDIR:-/tmp}/sprho-peak-XXXXXX")
trap 'rm -rf "$ordner"' EXIT

# About 126 bytes per line; a tenth of the lines go to area 1, so that its
# listing is large enough to see what the listed texts cost.
zeilen=$((megabytes * 1000000 / 126))
treffer=20
"$erzeuger" --zeilen "$zeilen" --bereich1 $((zeilen / 10)) --bereich2 1000 --kommentare 100 \
    --wort "Spielplatz=$treffer" "$ordner/gross.dat"
"$erzeuger" --zeilen 0 --bereich1 0 --bereich2 0 --kommentare 0 "$ordner/leer.dat" >/dev/null

# Runs one search and prints: peak RSS in KiB, bytes and entries printed.
messen() {
    /usr/bin/time -v -o "$ordner/zeit" "$archiv_werkzeug" search "$@" \
        >"$ordner/aus" 2>"$ordner/meldung"
    local rss bytes eintraege
    rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$ordner/zeit")
    bytes=$(wc -c <"$ordner/aus")
    eintraege=$(wc -l <"$ordner/aus")
    echo "$rss $bytes $eintraege"
}

mib() { awk -v k="$1" 'BEGIN { printf "%.1f MiB", k / 1024 }'; }

read -r grund _ _ < <(messen --archive "$ordner/leer.dat" Spielplatz)
read -r haupt haupt_bytes haupt_eintraege < <(messen --archive "$ordner/gross.dat" Spielplatz)
read -r liste liste_bytes liste_eintraege < <(messen --archive "$ordner/gross.dat" --area 1)

groesse=$(stat -c %s "$ordner/gross.dat")
echo
echo "Archiv: $zeilen Zeilen, $((groesse / 1000000)) MB"
printf '  %-36s %s\n' "leeres Archiv (Grundbedarf):" "$(mib "$grund")"
printf '  %-36s %s  (%s Einträge, %s Bytes Text; Ziel < 32 MiB + Texte)\n' \
    "Hauptbereich, Begriff Spielplatz:" "$(mib "$haupt")" "$haupt_eintraege" "$haupt_bytes"
printf '  %-36s %s  (%s Einträge, %s Text)\n' \
    "Bereich 1, ganze Liste:" "$(mib "$liste")" "$liste_eintraege" "$(mib $((liste_bytes / 1024)))"
