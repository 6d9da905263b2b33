#!/usr/bin/env bash
# The README's way with one's own texts, twice in a row, as a new user runs it
# in an empty folder with the sample installed: nothing is lost, and a refusal
# says what to do. Args: sprho-archiv SAMPLE-ARCHIVE
set -euo pipefail
werkzeug=$1 beispiel=$2
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
fehler() { echo "FEHLER: $*" >&2; exit 1; }
# Runs the tool, keeps its stderr in $meldung and returns its status.
lauf() { local s=0; meldung=$("$werkzeug" "$@" 2>&1 >/dev/null) || s=$?; return "$s"; }
export HOME=$ordner/heim XDG_DATA_DIRS=$ordner/system XDG_CONFIG_HOME=$ordner/heim/.config
unset XDG_DATA_HOME
mkdir -p "$HOME" "$XDG_DATA_DIRS/spruchhort" "$ordner/leer" "$ordner/gruss"
cp "$beispiel" "$XDG_DATA_DIRS/spruchhort/sprho.dat"
benutzer=$HOME/.local/share/spruchhort/sprho.dat

# The greeting keeps working after the first add without ./sprho.dat: the
# user's archive starts as a copy of the sample and says so once.
cd "$ordner/gruss"
"$werkzeug" random --area 1 >/dev/null || fehler "greeting before add"
lauf add 'Mein Gruß an alle' || fehler "first add: $meldung"
[ "$(grep -c 'Kopie' <<<"$meldung")" = 1 ] &&
    grep -qF "„$benutzer“ angelegt als Kopie von „$XDG_DATA_DIRS/spruchhort/sprho.dat“" <<<"$meldung" ||
    fehler "first add said: $meldung"
"$werkzeug" random --area 1 >/dev/null || fehler "greeting after add"
lauf add 'Noch ein Gruß' && ! grep -q Kopie <<<"$meldung" || fehler "second add said: $meldung"
[ "$("$werkzeug" search --all 2>/dev/null | wc -l)" = $(($("$werkzeug" search --all --archive "$beispiel" 2>/dev/null | wc -l) + 2)) ] ||
    fehler "the user's archive does not hold the sample and both texts"

# unpack, edit, pack, add; then an edit and pack again.
cd "$ordner/leer"
"$werkzeug" unpack texte.txt
echo 'Mein erster eigener Spruch' >>texte.txt
"$werkzeug" pack texte.txt sprho.dat 2>/dev/null
"$werkzeug" add 'Kommst du heute Abend mit?' 2>/dev/null
echo 'Mein zweiter eigener Spruch' >>texte.txt
# Each refusal names the way back with the user's own files.
lauf pack texte.txt sprho.dat && fehler "pack replaced an archive holding an added text"
grep -qF 'unpack sprho.dat texte.txt' <<<"$meldung" || fehler "pack refusal: $meldung"
lauf unpack texte.txt && fehler "unpack replaced a text holding an edit"
for wort in 'pack texte.txt sprho.dat' 'neue Datei'; do
    grep -qF -- "$wort" <<<"$meldung" || fehler "unpack refusal lacks $wort: $meldung"
done

# The way out the messages name: unpack into a new file, join, pack.
"$werkzeug" unpack sprho.dat neu.txt
grep -Fx 'Kommst du heute Abend mit?' neu.txt >>texte.txt
lauf pack texte.txt sprho.dat || fehler "pack after joining: $meldung"
lauf unpack texte.txt || fehler "unpack of what was just packed: $meldung"
for text in 'Mein erster eigener Spruch' 'Kommst du heute Abend mit?' 'Mein zweiter eigener Spruch'; do
    [ "$("$werkzeug" search "$text" 2>/dev/null)" = "$text" ] || fehler "lost: $text"
done
echo "Archivschleife: alles in Ordnung"
