#!/usr/bin/env bash
# Peak resident memory of `sprho-archiv search` on a made-up archive of about
# 100 MB: on an empty archive (the program's own footprint), for a term that
# finds 20 lines, and for the whole area-1 listing; then of `sprho-archiv add`
# on an empty archive and on a copy of the big one. The archives live in a
# temporary folder that is removed afterwards.
#
#   bench/peak_memory.sh [BUILD_DIR] [MEGABYTES]     (defaults: build/default 100)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/default}
megabytes=${2:-100}
werkzeug=$build/tools/sprho-archiv
erzeuger=$build/bench/sprho-bench-archiv
for programm in "$werkzeug" "$erzeuger" /usr/bin/time; do
    [ -x "$programm" ] || { echo "peak_memory: $programm fehlt (scripts/setup, bauen)" >&2; exit 1; }
done

ordner=$(mktemp -d "${TMPDIR:-/tmp}/sprho-peak-XXXXXX")
trap 'rm -rf "$ordner"' EXIT
# A line of the made-up archive takes about 86 bytes.
"$erzeuger" --zeilen $((megabytes * 1000000 / 86)) --wort Spielplatz=20 "$ordner/gross.dat"
"$erzeuger" --zeilen 0 "$ordner/leer.dat" >/dev/null

# One search (archive, then terms and options): its peak RSS, the entries it printed and the size of their text.
messen() {
    /usr/bin/time -f %M -o "$ordner/rss" "$werkzeug" search --archive "$ordner/$1" "${@:2}" \
        >"$ordner/aus" 2>/dev/null
    awk -v kib="$(cat "$ordner/rss")" -v n="$(wc -l <"$ordner/aus")" -v b="$(wc -c <"$ordner/aus")" \
        'BEGIN { printf "%6.1f MiB  (%d Einträge, %.1f MiB Text)\n", kib / 1024, n, b / 1048576 }'
}

echo "Spitzenspeicher von sprho-archiv search (Ziel: unter 32 MiB plus die gelisteten Texte)"
printf '  %-28s %s\n' "leeres Archiv:" "$(messen leer.dat Spielplatz)"
printf '  %-28s %s\n' "Hauptbereich, Spielplatz:" "$(messen gross.dat Spielplatz)"
printf '  %-28s %s\n' "Bereich 1, ganze Liste:" "$(messen gross.dat --area 1)"

# add copies the archive into a new file: its peak RSS on an archive.
hinzufuegen() {
    cp "$ordner/$1" "$ordner/kopie.dat"
    /usr/bin/time -f %M -o "$ordner/rss" "$werkzeug" add --archive "$ordner/kopie.dat" \
        "Ein neuer Spruch" 2>/dev/null
    awk -v kib="$(cat "$ordner/rss")" 'BEGIN { printf "%6.1f MiB\n", kib / 1024 }'
}

echo "Spitzenspeicher von sprho-archiv add (Ziel: wenige MiB über dem leeren Archiv)"
printf '  %-28s %s\n' "leeres Archiv:" "$(hinzufuegen leer.dat)"
printf '  %-28s %s\n' "großes Archiv:" "$(hinzufuegen gross.dat)"
