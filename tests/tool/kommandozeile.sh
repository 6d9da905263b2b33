#!/usr/bin/env bash
# Runs the real sprho-archiv binary the way an archive keeper would.
set -euo pipefail
werkzeug=$1
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
cd "$ordner"

fehler() { echo "FEHLER: $*" >&2; exit 1; }

printf '# Test\nIch liebe dich\nGute Nacht\n[Anmache\n' > texte.txt
"$werkzeug" pack texte.txt sprho.dat || fehler "pack"
grep -q liebe sprho.dat && fehler "archive is not scrambled"
"$werkzeug" unpack sprho.dat - | cmp -s - texte.txt || fehler "round trip"

# Default archive in the working directory; count message last on stderr.
treffer=$("$werkzeug" search LIEBE 2>meldung.txt)
[ "$treffer" = "Ich liebe dich" ] || fehler "search printed: $treffer"
[ "$(tail -n 1 meldung.txt)" = "Ein Eintrag gefunden!" ] || fehler "count message"

# Exit statuses: 1 for a failure, 2 for wrong usage; nothing on stdout then.
status=0; "$werkzeug" search --archive fehlt.dat x >aus.txt 2>/dev/null || status=$?
[ "$status" = 1 ] && [ ! -s aus.txt ] || fehler "missing archive gave $status"
status=0; "$werkzeug" search --area 7 >/dev/null 2>&1 || status=$?
[ "$status" = 2 ] || fehler "wrong usage gave $status"
status=0; "$werkzeug" category Versaut </dev/null >/dev/null 2>&1 || status=$?
[ "$status" = 1 ] || fehler "Versaut without a terminal gave $status"

# A refused pack leaves the existing archive as it was.
cp sprho.dat vorher.dat
printf 'gut\nkaputt \xe2\x98\x83\n' > kaputt.txt
status=0; "$werkzeug" pack kaputt.txt sprho.dat 2>meldung.txt || status=$?
[ "$status" = 1 ] || fehler "pack of a bad file gave $status"
grep -q "Zeile 2, Spalte 8" meldung.txt || fehler "pack message: $(cat meldung.txt)"
cmp -s sprho.dat vorher.dat || fehler "existing archive was changed"

# A full disk, simulated by a file size limit, loses nothing either.
for i in $(seq 500); do echo "Zeile $i mit etwas Text, damit die Datei groß genug wird"; done > gross.txt
status=0; (ulimit -f 8; trap '' XFSZ; exec "$werkzeug" pack gross.txt sprho.dat) 2>/dev/null || status=$?
[ "$status" = 1 ] || fehler "pack onto a full disk gave $status"
cmp -s sprho.dat vorher.dat || fehler "full disk changed the archive"
[ "$(ls | grep -c sprho.dat)" = 1 ] || fehler "temporary file left behind: $(ls)"

[ "$("$werkzeug" --version)" = "sprho-archiv 2.3.2" ] || fehler "version"
echo "sprho-archiv: alles in Ordnung"
