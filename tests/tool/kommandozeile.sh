#!/usr/bin/env bash
# The real sprho-archiv binary as a shell sees it: the working directory, a
# terminal or none, exit statuses, a full disk. Everything else is tested
# in-process by tst_werkzeug. Args: sprho-archiv VERSION
set -euo pipefail
werkzeug=$1 version=$2
vervollstaendigung=$(cd "$(dirname "$0")/../../tools" && pwd)/sprho-archiv.bash
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
cd "$ordner"
fehler() { echo "FEHLER: $*" >&2; exit 1; }
status() { local s=0; "$werkzeug" "$@" >/dev/null 2>&1 || s=$?; echo "$s"; }

printf '# Test\nIch liebe dich\nGute Nacht\n[Anmache\n' > texte.txt
"$werkzeug" pack texte.txt sprho.dat || fehler "pack"
# A pipe is no terminal: a "ja" from it is no answer.
[ "$(echo ja | status category Versaut)" = 1 ] || fehler "Versaut without a terminal"

# A full disk, simulated by a file size limit, leaves the archive as it was.
cp sprho.dat vorher.dat
# How many files here have NAME in their name: the archive and what a write left beside it.
mit_namen() { local f=(*"$1"*); echo "${#f[@]}"; }
# Between one and two of the file's 16 KiB write buffers: a buffered write lost its tail here.
seq -f 'Zeile %g mit etwas Text, damit die Datei groß genug wird' 150 > gross.txt
[ "$(ulimit -f 8; trap '' XFSZ; status pack gross.txt sprho.dat)" = 1 ] || fehler "pack, disk full"
cmp -s sprho.dat vorher.dat || fehler "full disk changed the archive"
[ "$(mit_namen sprho.dat)" = 1 ] || fehler "temporary file left behind: $(ls)"

# The same for add, which rewrites the whole archive to append.
seq -f 'Zeile %g mit etwas Text, damit die Datei groß genug wird' 200 | "$werkzeug" pack - gross.dat 2>/dev/null
cp gross.dat vorher.dat
[ "$(ulimit -f 8; trap '' XFSZ; status add --archive gross.dat neu)" = 1 ] || fehler "add, disk full"
cmp -s gross.dat vorher.dat || fehler "full disk changed the archive (add)"
[ "$(mit_namen gross.dat)" = 1 ] || fehler "temporary file left behind: $(ls)"

# Adds at the same time each get their text in: none rewrites the archive
# from what it read before another one renamed its own over it.
for i in 1 2 3 4 5 6 7 8; do "$werkzeug" add --archive gross.dat "gleichzeitig $i" 2>/dev/null & done
wait
[ "$("$werkzeug" search --archive gross.dat gleichzeitig 2>/dev/null | wc -l)" = 8 ] ||
    fehler "adds at the same time lost texts"

# An input named again as the output stays as it is.
cp texte.txt vorher.txt
[ "$(status pack texte.txt ./texte.txt)" = 2 ] || fehler "pack over its own input"
cmp -s texte.txt vorher.txt || fehler "pack overwrote its input"

# The completion: the values right after "--area=", the options of add.
angeboten=$(bash -c 'source "$1"
    COMP_WORDS=(sprho-archiv random --area =); COMP_CWORD=3; _sprho_archiv x; echo "${COMPREPLY[*]}"
    COMP_WORDS=(sprho-archiv add --r); COMP_CWORD=2; _sprho_archiv x; echo "${COMPREPLY[*]}"' \
    - "$vervollstaendigung")
[ "$angeboten" = $'0 1 2\n--replace' ] || fehler "completion offered: $angeboten"

[ "$("$werkzeug" --version)" = "sprho-archiv $version" ] || fehler "version"
echo "sprho-archiv: alles in Ordnung"
