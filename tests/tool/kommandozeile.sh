#!/usr/bin/env bash
# The real sprho-archiv binary as a shell sees it: the working directory, a
# terminal or none, exit statuses, a full disk. Everything else is tested
# in-process by tst_werkzeug. Args: sprho-archiv VERSION
set -euo pipefail
werkzeug=$1 version=$2
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
cd "$ordner"
fehler() { echo "FEHLER: $*" >&2; exit 1; }

printf '# Test\nIch liebe dich\nGute Nacht\n[Anmache\n' > texte.txt
"$werkzeug" pack texte.txt sprho.dat || fehler "pack"
"$werkzeug" unpack sprho.dat - | cmp -s - texte.txt || fehler "round trip"
treffer=$("$werkzeug" search LIEBE 2>meldung.txt) # sprho.dat of the working directory
[ "$treffer" = "Ich liebe dich" ] || fehler "search printed: $treffer"
[ "$(tail -n 1 meldung.txt)" = "Ein Eintrag gefunden!" ] || fehler "count message"

status=0; "$werkzeug" search --area 7 >/dev/null 2>&1 || status=$?
[ "$status" = 2 ] || fehler "wrong usage gave $status"
status=0; "$werkzeug" category Versaut </dev/null >/dev/null 2>&1 || status=$?
[ "$status" = 1 ] || fehler "Versaut without a terminal gave $status"

# A full disk, simulated by a file size limit, leaves the archive as it was.
cp sprho.dat vorher.dat
for i in $(seq 500); do echo "Zeile $i mit etwas Text, damit die Datei groß genug wird"; done > gross.txt
status=0; (ulimit -f 8; trap '' XFSZ; exec "$werkzeug" pack gross.txt sprho.dat) 2>/dev/null || status=$?
[ "$status" = 1 ] || fehler "pack onto a full disk gave $status"
cmp -s sprho.dat vorher.dat || fehler "full disk changed the archive"
[ "$(ls | grep -c sprho.dat)" = 1 ] || fehler "temporary file left behind: $(ls)"

[ "$("$werkzeug" --version)" = "sprho-archiv $version" ] || fehler "version"
echo "sprho-archiv: alles in Ordnung"
