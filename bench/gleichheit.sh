#!/usr/bin/env bash
# Two sprho-archiv binaries, the same answers: 156 searches and category
# searches on two archives (a made-up one of 400,000 lines, long enough for
# every kind of read, with words put into a known number of lines; and
# Debian's fortunes-de, packed), compared byte for byte in standard output,
# standard error and exit status. For a change that must not change what a
# search finds: run it with a build from before the change and one after.
#
#   bench/gleichheit.sh VORHER NACHHER [BUILD_DIR]   (BUILD_DIR: build/default,
#                                                     for sprho-bench-archiv)
set -euo pipefail
cd "$(dirname "$0")/.."

[ $# -ge 2 ] || { echo "Aufruf: bench/gleichheit.sh VORHER NACHHER [BUILD_DIR]" >&2; exit 2; }
vorher=$1
nachher=$2
erzeuger=${3:-build/default}/bench/sprho-bench-archiv
for programm in "$vorher" "$nachher" "$erzeuger"; do
    [ -x "$programm" ] || { echo "gleichheit: $programm fehlt (erst bauen)" >&2; exit 1; }
done
fortunes=(/usr/share/games/fortunes/de/*.u8)
[ -e "${fortunes[0]}" ] || { echo "gleichheit: fortunes-de fehlt (scripts/setup)" >&2; exit 1; }

ordner=$(mktemp -d "${TMPDIR:-/tmp}/sprho-gleich-XXXXXX")
trap 'rm -rf "$ordner"' EXIT
"$erzeuger" --zeilen 400000 --wort Spielplatz=150 --wort Mutter=40 --wort Schloss=99 \
    --wort Sperma=3 --wort Nikolaus=250 "$ordner/erfunden.dat" >/dev/null
"$nachher" pack --format fortune --replace --skip "${fortunes[@]}" "$ordner/fortunes.dat" 2>/dev/null

# Terms of every kind: plain words in any case, letters the codec swaps,
# umlauts, wildcards of each sort, outer spaces, the empty term, terms with
# far more than 100 hits, and a pasted long one.
begriffe=(
    Schloss schloss SCHLOSS Spielplatz spielplatz Mutter mutter Sperma Nikolaus nikolaus
    Liebe liebe Bier Frau Ehe Herr Mann und der die e E a i x y Q ä Ä ö ü ß Straße
    "  Liebe  " " " "" "?" "*" "#" "##" "*#*" "[a-c]*" "[!a-z]*" "*liebe*dich*" "Weihnacht*"
    "*a*a*a*a*a*a*a*a*a*a*a*a*b" "*Bier" "Ein*" "*?" "?*?" "[abc" "*[0-9]*" "x?y" "\\" "'"
    "€" "«" "Mann?" "*mann*" "*Ehe*" "$(printf 'ab%.0s' {1..400})" "Fotz" "fick"
)
kategorien=("Alkohol & Co." Frauen Freunschaften Kinder Liebe Männer Sex Versaut Weihnachten)

laeufe=0
vergleichen() {
    local a=$ordner/a b=$ordner/b
    set +e
    "$vorher" "$@" >"$a.out" 2>"$a.err" </dev/null
    echo $? >"$a.rc"
    "$nachher" "$@" >"$b.out" 2>"$b.err" </dev/null
    echo $? >"$b.rc"
    set -e
    for teil in out err rc; do
        if ! cmp -s "$a.$teil" "$b.$teil"; then
            echo "gleichheit: $* — $teil verschieden:" >&2
            diff "$a.$teil" "$b.$teil" | head -20 >&2
            exit 1
        fi
    done
    laeufe=$((laeufe + 1))
}

for archiv in "$ordner/erfunden.dat" "$ordner/fortunes.dat"; do
    for begriff in "${begriffe[@]}"; do
        vergleichen search --archive "$archiv" -- "$begriff"
    done
    for bereich in 1 2; do
        vergleichen search --archive "$archiv" --area "$bereich" x
        vergleichen search --archive "$archiv" --area "$bereich" -0 ""
    done
    for name in "${kategorien[@]}"; do
        vergleichen category --archive "$archiv" --yes "$name"
    done
    vergleichen category --archive "$archiv" Versaut # asked, no answer
    vergleichen category --archive "$archiv" --yes Gibtsnicht
done
echo "gleichheit: $laeufe Läufe, Ausgabe, Fehlerausgabe und Status gleich"
