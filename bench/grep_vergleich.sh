#!/usr/bin/env bash
# sprho-archiv against the searchers a user would pick instead, ripgrep (in its
# default mode, which maps the file, and with --no-mmap) and GNU grep, on two
# made-up archives: LINES lines (about 86 MB for a million) and one the size
# of Debian's fortunes-de (2.8 MB). Whole processes, wall time; the commands
# take turns, round after round, so that a busy machine slows all of them
# alike. With VORHER set to another sprho-archiv (a build of an older
# commit), its searches join the same rounds, for a before/after table.
# Prints each command's median, least and most time and its peak resident
# memory, then the ratios the search is measured by. The archives live in a
# temporary folder that is removed afterwards.
#
#   bench/grep_vergleich.sh [BUILD_DIR] [LINES]     (defaults: build/default 1000000)
#   RUNDEN=N                                        rounds, default 7
#   VORHER=/tmp/vorher/sprho-archiv                 the binary to compare with
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/default}
zeilen=${2:-1000000}
runden=${RUNDEN:-7}
werkzeug=$build/tools/sprho-archiv
erzeuger=$build/bench/sprho-bench-archiv
vorher=${VORHER:-}
for programm in "$werkzeug" "$erzeuger" ${vorher:+"$vorher"} /usr/bin/time; do
    [ -x "$programm" ] || { echo "grep_vergleich: $programm fehlt (erst bauen)" >&2; exit 1; }
done
for programm in rg grep; do
    command -v "$programm" >/dev/null || { echo "grep_vergleich: $programm fehlt (scripts/setup)" >&2; exit 1; }
done

ordner=$(mktemp -d "${TMPDIR:-/tmp}/sprho-grep-XXXXXX")
trap 'rm -rf "$ordner"' EXIT

# The category "Versaut": six terms, none of them in a main-area line of the
# archives below, as none of the other measured terms is.
versaut=(Versaut Fotz fick bumsen blasen Sperma)
# The archive holds scrambled text: grep and ripgrep get the terms scrambled
# by the codec's letter pairs (those of the measured terms suffice).
verwuerfelt() { tr 'eEiIaAxXyNnTtRrY65' 'NnTtRrY65eEiIaAxXy' <<<"$1"; }
literale=()
for begriff in "${versaut[@]}"; do literale+=(-e "$(verwuerfelt "$begriff")"); done
# *a*a*a*a*a*a*a*a*a*a*a*a*b as a regular expression over the raw line ("a"
# is scrambled to "R"; the pattern is case-sensitive and covers the line up
# to its CR).
stern_re='^(.*R){12}.*b\r?$'

namen=(grep rg rg_no_mmap ohne_Treffer rg_sechs rg_sechs_no_mmap Versaut Kinder grep_E rg_stern Sterne liebe_dich Weihnacht)
sprho_namen=(ohne_Treffer Versaut Kinder Sterne liebe_dich Weihnacht)
if [ -n "$vorher" ]; then
    for name in "${sprho_namen[@]}"; do namen+=("vorher_$name"); done
fi
declare -A sprho=(
    [ohne_Treffer]="search Schloss"
    [Sterne]="search *a*a*a*a*a*a*a*a*a*a*a*a*b"
    [liebe_dich]="search *liebe*dich*"
    [Weihnacht]="search Weihnacht*"
    [Kinder]="category --yes Kinder"
    [Versaut]="category --yes Versaut"
)
beschreibung() {
    case $1 in
    grep) echo "LC_ALL=C grep -c -i -F Schloss" ;;
    rg) echo "rg -c -i -F Schloss" ;;
    rg_no_mmap) echo "rg --no-mmap -c -i -F Schloss" ;;
    rg_sechs) echo "rg -c -i -F ${literale[*]}" ;;
    rg_sechs_no_mmap) echo "rg --no-mmap -c -i -F (sechs Literale)" ;;
    grep_E) echo "LC_ALL=C grep -c -E '$stern_re'" ;;
    rg_stern) echo "rg -c '$stern_re'" ;;
    vorher_*) echo "VORHER ${sprho[${1#vorher_}]}" ;;
    *) echo "sprho-archiv ${sprho[$1]}" ;;
    esac
}
# One command on the archive $archiv, behind the words in vor (empty, or
# /usr/bin/time for the peak memory). grep and ripgrep exit with 1 when they
# count nothing (ripgrep then prints nothing), which is what every command
# here should do.
vor=()
befehl() {
    case $1 in
    grep) LC_ALL=C "${vor[@]}" grep -c -i -F Schloss "$archiv" || [ $? -eq 1 ] ;;
    rg) "${vor[@]}" rg -c -i -F Schloss "$archiv" || [ $? -eq 1 ] ;;
    rg_no_mmap) "${vor[@]}" rg --no-mmap -c -i -F Schloss "$archiv" || [ $? -eq 1 ] ;;
    rg_sechs) "${vor[@]}" rg -c -i -F "${literale[@]}" "$archiv" || [ $? -eq 1 ] ;;
    rg_sechs_no_mmap) "${vor[@]}" rg --no-mmap -c -i -F "${literale[@]}" "$archiv" || [ $? -eq 1 ] ;;
    grep_E) LC_ALL=C "${vor[@]}" grep -c -E "$stern_re" "$archiv" || [ $? -eq 1 ] ;;
    rg_stern) "${vor[@]}" rg -c "$stern_re" "$archiv" || [ $? -eq 1 ] ;;
    vorher_*) sprho_befehl "$vorher" "${1#vorher_}" ;;
    *) sprho_befehl "$werkzeug" "$1" ;;
    esac
}
sprho_befehl() {
    read -r -a teile <<<"${sprho[$2]}"
    "${vor[@]}" "$1" "${teile[0]}" --archive "$archiv" "${teile[@]:1}"
}

# Median, least and most of one command's times, in milliseconds.
werte() {
    sort -n "$1" | awk '{ t[NR] = $1 / 1000 }
        END { m = NR % 2 ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
              printf "%.1f %.1f %.1f\n", m, t[1], t[NR] }'
}
verhaeltnis() {
    awk -v a="$1" -v b="$2" -v t="$3" -v z="$4" \
        'BEGIN { printf "  %-34s %6.2fx   %s\n", t, (b > 0 ? a / b : 0), z }'
}

messen() { # archive label, lines
    archiv=$ordner/$1.dat
    local nie=()
    for begriff in "${versaut[@]}"; do nie+=(--nie "$begriff"); done
    "$erzeuger" --zeilen "$2" "${nie[@]}" "$archiv" >/dev/null
    # Once untimed: fills the page cache, measures the peak resident memory
    # and makes sure that the searches find nothing. A pass that stopped at the hit
    # limit would look fast for the wrong reason.
    declare -A spitze
    for name in "${namen[@]}"; do
        vor=(/usr/bin/time -f %M -o "$ordner/rss")
        befehl "$name" >"$ordner/aus" 2>&1 || {
            echo "grep_vergleich: $name scheiterte" >&2
            cat "$ordner/aus" >&2
            exit 1
        }
        vor=()
        spitze[$name]=$(tail -n 1 "$ordner/rss")
        ende=$(tail -n 1 "$ordner/aus")
        # grep and ripgrep also count comments and list entries, which the
        # archive does not keep free of the terms; what they print costs
        # nothing worth a mention.
        if [[ $name != *grep* && $name != rg* && $ende != "Keine Einträge gefunden!" ]]; then
            echo "grep_vergleich: $name: „$ende“ statt keines Treffers" >&2
            exit 1
        fi
        rm -f "$ordner/$1.$name"
    done
    for ((runde = 0; runde < runden; runde++)); do
        for name in "${namen[@]}"; do
            start=${EPOCHREALTIME//[!0-9]/}
            befehl "$name" >/dev/null 2>&1
            echo $((${EPOCHREALTIME//[!0-9]/} - start)) >>"$ordner/$1.$name"
        done
    done

    printf '\n%s: %s Bytes, %s Runden; Wandzeit je Prozess in ms, Spitzenspeicher (RSS)\n' \
        "$1" "$(stat -c %s "$archiv")" "$runden"
    printf '  %-18s %8s %8s %8s %9s\n' "" Median Min Max MiB
    declare -A median
    for name in "${namen[@]}"; do
        read -r m min max < <(werte "$ordner/$1.$name")
        median[$name]=$m
        printf '  %-18s %8s %8s %8s %9.1f   %s\n' "$name" "$m" "$min" "$max" \
            "$(awk -v k="${spitze[$name]}" 'BEGIN { print k / 1024 }')" "$(beschreibung "$name")"
    done
    printf '\n  Verhältnisse der Mediane               Ziel\n'
    verhaeltnis "${median[ohne_Treffer]}" "${median[rg]}" "ohne_Treffer / rg" "<= 0.85"
    verhaeltnis "${median[ohne_Treffer]}" "${median[rg_no_mmap]}" "ohne_Treffer / rg_no_mmap" ""
    verhaeltnis "${median[ohne_Treffer]}" "${median[grep]}" "ohne_Treffer / grep" "<= 0.8"
    verhaeltnis "${median[Versaut]}" "${median[rg_sechs]}" "Versaut / rg_sechs" "<= 1.0"
    verhaeltnis "${median[Kinder]}" "${median[ohne_Treffer]}" "Kinder / ohne_Treffer" "<= 1.5"
    verhaeltnis "${median[Sterne]}" "${median[grep_E]}" "Sterne / grep_E" "<= 0.6"
    verhaeltnis "${median[Sterne]}" "${median[ohne_Treffer]}" "Sterne / ohne_Treffer" "<= 3"
    verhaeltnis "${median[liebe_dich]}" "${median[ohne_Treffer]}" "liebe_dich / ohne_Treffer" "<= 1.5"
    verhaeltnis "${median[Weihnacht]}" "${median[ohne_Treffer]}" "Weihnacht / ohne_Treffer" "<= 1.5"
    if [ -n "$vorher" ]; then
        for name in "${sprho_namen[@]}"; do
            verhaeltnis "${median[$name]}" "${median[vorher_$name]}" "$name nachher / vorher" ""
        done
    fi
}

messen gross "$zeilen"
# fortunes-de's 2.8 MB, at about 86 bytes a line.
messen fortunes_de_gross 32600
