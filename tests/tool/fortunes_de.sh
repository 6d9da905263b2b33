#!/usr/bin/env bash
# Real data no one here wrote: every fortune file of Debian's fortunes-de packed
# into one archive, compared entry by entry with a plain reading of the files,
# exported again as a fortune file that strfile indexes and fortune shows, and
# packed back to the same archive. Args: sprho-archiv
set -euo pipefail
werkzeug=$1
quelle=/usr/share/games/fortunes/de
export LC_ALL=C.UTF-8
source "$(dirname "$0")/../hilfsprogramme.sh"
brauchen "$quelle" perl strfile fortune
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
cd "$ordner"
fehler() { echo "FEHLER: $*" >&2; exit 1; }

# The texts themselves: strfile's indexes (*.dat) and the *.u8 aliases are no
# fortune files, and a symbolic link is a second name for a file already read.
mapfile -t dateien < <(find "$quelle" -maxdepth 1 -type f ! -name '*.dat' ! -name '*.u8' | sort)
((${#dateien[@]} >= 40)) || fehler "fortunes-de fehlt oder ist unvollständig: ${#dateien[@]} Dateien"

# The plain reading: entries end at a line that is only "%" or at the end of a
# file; lines trimmed, empty ones dropped, the rest joined with one space.
# White space is Unicode's, as in a text editor (a no-break space at a line's
# end is white space too).
perl -CSD -ne 'sub ende { print "$e\n" if $e ne ""; $e = "" }
    ende() if $. == 1; s/^\s+|\s+$//g;
    if ($_ eq "%") { ende() } elsif ($_ ne "") { $e = $e eq "" ? $_ : "$e $_" }
    if (eof) { ende(); close ARGV }' "${dateien[@]}" > alle.txt
grep -v '^[][#]' alle.txt > erwartet.txt || true
ausgelassen=$(grep -c '^[][#]' alle.txt || true)

"$werkzeug" pack --format fortune --replace --skip "${dateien[@]}" sprho.dat 2> meldungen.txt ||
    fehler "pack: $(cat meldungen.txt)"
zusammenfassung=$(tail -n 1 meldungen.txt)
echo "$zusammenfassung"
"$werkzeug" unpack sprho.dat - > gelesen.txt
n=$(wc -l < erwartet.txt)
[ "$(wc -l < gelesen.txt)" = "$n" ] || fehler "$(wc -l < gelesen.txt) statt $n Einträgen"
[[ $zusammenfassung == "sprho-archiv: Einträge geschrieben: $n, ausgelassen: $ausgelassen, "* ]] ||
    fehler "Zusammenfassung: $zusammenfassung"

# Only entries with a character outside Windows-1252 may differ, and each of
# them was replaced.
haltbar='^[\x{0}-\x{7F}\x{A0}-\x{FF}€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ]*$'
abweichend=$(diff --unchanged-line-format= --old-line-format='%L' --new-line-format= \
    erwartet.txt gelesen.txt || true)
if [ -n "$abweichend" ]; then
    ! grep -qP "$haltbar" <<<"$abweichend" || fehler "abweichend, obwohl haltbar: $abweichend"
    [[ $zusammenfassung != *"Zeichen ersetzt: 0" ]] || fehler "ersetzt, aber nicht gezählt"
fi

# Out again as a fortune file: strfile counts every entry, fortune shows one of
# them, and packing the export gives the same archive byte for byte.
"$werkzeug" unpack --format fortune sprho.dat export 2> warnungen.txt
[ ! -s warnungen.txt ] || fehler "unpack warnt: $(head -3 warnungen.txt)"
strfile export > strfile.txt || fehler "strfile: $(cat strfile.txt)"
grep -q "There were $n strings" strfile.txt || fehler "strfile: $(cat strfile.txt)"
spruch=$(fortune "$ordner/export") # one entry, one line, as written
grep -qxF "$spruch" gelesen.txt || fehler "fortune zeigt keinen Eintrag: $spruch"
"$werkzeug" pack --format fortune export zurueck.dat 2>/dev/null
cmp -s sprho.dat zurueck.dat || fehler "aus dem Export gepackt ist das Archiv ein anderes"
echo "fortunes-de: alles in Ordnung"
