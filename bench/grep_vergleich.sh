#!/usr/bin/env bash
# sprho-archiv against grep on one made-up archive: whole processes, wall time.
# The commands take turns, round after round, so that a busy machine slows all
# of them alike. Prints each command's median and spread, and the ratios the
# search is measured by. The archive lives in a temporary folder that is
# removed afterwards.
#
#   bench/grep_vergleich.sh [BUILD_DIR] [LINES]     (defaults: build/default 1000000)
#   RUNDEN=N bench/grep_vergleich.sh                (rounds, default 7)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/default}
zeilen=${2:-1000000}
runden=${RUNDEN:-7}
werkzeug=$build/tools/sprho-archiv
erzeuger=$build/bench/sprho-bench-archiv
for programm in "$werkzeug" "$erzeuger"; do
    [ -x "$programm" ] || { echo "grep_vergleich: $programm fehlt (erst bauen)" >&2; exit 1; }
done

ordner=$(mktemp -d "${TMPDIR:-/tmp}/sprho-grep-XXXXXX")
trap 'rm -rf "$ordner"' EXIT
archiv=$ordner/messarchiv.dat
"$erzeuger" --zeilen "$zeilen" "$archiv"

# sprho-bench-archiv keeps these terms out of every main-area line, so each
# pass reads the whole archive. No letter of "Schloss" is swapped by the codec:
# grep looks for the very bytes the search looks for. grep runs in the C
# locale, its fastest: the archive is Windows-1252, one byte a character.
namen=(grep ohne_Treffer Sterne liebe_dich Weihnacht Kategorie)
declare -A aufrufe=(
    [grep]="grep -c -i -F Schloss"
    [ohne_Treffer]="search Schloss"
    [Sterne]="search *a*a*a*a*a*a*a*a*a*a*a*a*b"
    [liebe_dich]="search *liebe*dich*"
    [Weihnacht]="search Weihnacht*"
    [Kategorie]="category --yes Kinder"
)
befehl() {
    if [ "$1" = grep ]; then
        LC_ALL=C grep -c -i -F Schloss "$archiv" || [ $? -eq 1 ] # 1: it counted nothing
    else
        read -r -a teile <<<"${aufrufe[$1]}"
        "$werkzeug" "${teile[0]}" --archive "$archiv" "${teile[@]:1}"
    fi
}

# Once untimed: fills the page cache and makes sure that nothing is found. A
# pass that stopped at the hit limit would look fast for the wrong reason.
for name in "${namen[@]}"; do
    befehl "$name" >"$ordner/aus" 2>&1
    ende=$(tail -n 1 "$ordner/aus")
    if [ "$ende" != 0 ] && [ "$ende" != "Keine Einträge gefunden!" ]; then
        echo "grep_vergleich: $name: „$ende“ statt keines Treffers" >&2
        exit 1
    fi
done

for ((runde = 0; runde < runden; runde++)); do
    for name in "${namen[@]}"; do
        start=${EPOCHREALTIME//[!0-9]/}
        befehl "$name" >/dev/null 2>&1
        echo $((${EPOCHREALTIME//[!0-9]/} - start)) >>"$ordner/$name"
    done
done

# Median, least and most of one command's times, in milliseconds.
werte() {
    sort -n "$ordner/$1" | awk '{ t[NR] = $1 / 1000 }
        END { m = NR % 2 ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
              printf "%.1f %.1f %.1f\n", m, t[1], t[NR] }'
}

printf '\n%s Bytes, %s Runden; Wandzeit je Prozess in ms\n' "$(stat -c %s "$archiv")" "$runden"
printf '  %-14s %9s %9s %9s\n' "" Median Min Max
declare -A median
for name in "${namen[@]}"; do
    read -r m min max < <(werte "$name")
    median[$name]=$m
    printf '  %-14s %9s %9s %9s   %s\n' "$name" "$m" "$min" "$max" "${aufrufe[$name]}"
done
printf '\nVerhältnisse der Mediane                 Ziel\n'
for paar in "ohne_Treffer grep 0.8" "Sterne ohne_Treffer 3" "liebe_dich ohne_Treffer 1.5" \
    "Weihnacht ohne_Treffer 1.5" "Kategorie ohne_Treffer 1.5"; do
    read -r oben unten ziel <<<"$paar"
    awk -v a="${median[$oben]}" -v b="${median[$unten]}" -v t="$oben / $unten" -v z="$ziel" \
        'BEGIN { printf "  %-28s %6.2fx   <= %s\n", t, (b > 0 ? a / b : 0), z }'
done
