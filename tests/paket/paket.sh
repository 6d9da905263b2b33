#!/usr/bin/env bash
# Packs the binaries already built into the Debian package and checks it the way Debian does:
# lintian, AppStream, the desktop entry and the manual pages, each without a single error or
# warning. Also compiles the Windows version record, which no build on this machine would read.
set -uo pipefail
bau=$(realpath "$1") quelle=$(realpath "$2") version=$3
ordner=$bau/paketpruefung
rm -rf "$ordner" && mkdir -p "$ordner"
export LC_ALL=C.UTF-8
source "$(dirname "$0")/../hilfsprogramme.sh"
brauchen dpkg-deb dpkg-shlibdeps lintian appstreamcli desktop-file-validate man hardening-check \
    x86_64-w64-mingw32-windres cpp /usr/share/mingw-w64/include

befunde=0
befund() { echo "FEHLER: $*" >&2; befunde=$((befunde + 1)); }
still() { # name checker...: a non-zero status or any output at all is a finding
    local name=$1 ausgabe
    shift
    ausgabe=$("$@" 2>&1) && [ -z "$ausgabe" ] || { befund "$name"; printf '%s\n' "$ausgabe" >&2; }
}

cpack --config "$bau/CPackConfig.cmake" -B "$ordner" >"$ordner/cpack.log" 2>&1 ||
    { cat "$ordner/cpack.log" >&2; exit 1; }
deb=$(echo "$ordner"/spruchhort_"$version"_*.deb)
[ -f "$deb" ] || { echo "FEHLER: kein Paket: $(ls "$ordner")" >&2; exit 1; }
inhalt=$ordner/inhalt
dpkg-deb -x "$deb" "$inhalt"

# lintian warns when run as root; only its tags on stdout count.
tags=$(lintian --fail-on error,warning --display-info "$deb" 2>/dev/null) || befund "lintian"
grep -E '^[EW]: ' <<<"$tags" >&2 && befund "lintian: Fehler oder Warnungen"

# Installed without the package, the build puts the same files in place (the
# package's programs are stripped, so only their names are compared).
installiert=$ordner/installiert
DESTDIR=$installiert cmake --install "$bau" --prefix /usr >/dev/null || befund "cmake --install"
diff -r -x bin "$installiert" "$inhalt" >&2 && diff <(ls "$installiert/usr/bin") <(ls "$inhalt/usr/bin") >&2 ||
    befund "cmake --install legt anderes ab als das Paket"

id=org.example.spruchhort
eintrag=$inhalt/usr/share/applications/$id.desktop
bericht=$(appstreamcli validate --no-net --strict "$inhalt/usr/share/metainfo/$id.metainfo.xml") ||
    befund "appstreamcli: $bericht"
still "desktop-file-validate" desktop-file-validate "$eintrag"
# From the menu the window looks the archive up: the user's own, else the sample in a system data
# folder. A working directory set by the entry would hide the user's archive behind the sample.
! grep -q '^Path=' "$eintrag" || befund "Path= im Desktop-Eintrag: ./sprho.dat verdeckte das eigene Archiv"
[ -f "$inhalt/usr/share/spruchhort/sprho.dat" ] || befund "kein Beispielarchiv in /usr/share/spruchhort"

for seite in "$inhalt"/usr/share/man/man1/*.1.gz; do
    warnungen=$(MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$seite" 2>&1 >/dev/null) &&
        [ -z "$warnungen" ] || befund "man $(basename "$seite"): $warnungen"
    # German words broken by English rules: groff marks its own breaks with U+2010 at the line
    # end, while the pages write every hyphen of their own as \-.
    for breite in $(seq 60 120); do
        getrennt=$(MANWIDTH=$breite man -E UTF-8 -l "$seite" 2>/dev/null | grep -m1 '[[:alpha:]]‐$') &&
            befund "man $(basename "$seite") trennt bei $breite Spalten: $getrennt"
    done
done

# Hardened as Debian's own packages are: none of the five properties
# hardening-check can confirm may be missing.
eigenschaften='Position Independent Executable|Stack protected|Fortify Source functions|Read-only relocations|Immediate binding'
for programm in sprho sprho-archiv; do
    haertung=$(hardening-check "$inhalt/usr/bin/$programm" 2>&1)
    [ "$(grep -cE "^ ($eigenschaften): yes" <<<"$haertung")" = 5 ] ||
        befund "hardening-check $programm: $haertung"
done

# The window starts with the package's dependencies alone; the completion needs bash-completion.
felder=$(dpkg-deb -f "$deb" Depends Recommends)
grep -q '^Depends:.*qt6-qpa-plugins' <<<"$felder" || befund "Depends ohne qt6-qpa-plugins"
grep -q '^Recommends:.*bash-completion' <<<"$felder" || befund "Recommends ohne bash-completion"

# The completion offers what the tool itself knows.
vervollstaendigt=$(PATH=$inhalt/usr/bin:$PATH bash -c '
    source "$1"
    COMP_WORDS=(sprho-archiv random --category Al); COMP_CWORD=3
    _sprho_archiv sprho-archiv Al --category; printf "%s|" "${COMPREPLY[@]}"
    COMP_WORDS=(sprho-archiv ra); COMP_CWORD=1
    _sprho_archiv sprho-archiv ra sprho-archiv; printf "%s|" "${COMPREPLY[@]}"
' - "$inhalt/usr/share/bash-completion/completions/sprho-archiv")
[ "$vervollstaendigt" = "Alkohol & Co.|random|" ] || befund "Vervollständigung: $vervollstaendigt"

# The Windows version record as CMake configured it, compiled with the
# mingw-w64 headers and read back: it must carry this version.
res=$ordner/sprho.res
still "windres" x86_64-w64-mingw32-windres --preprocessor=cpp --preprocessor-arg=-xc \
    -DRC_INVOKED -D_WIN32 -D_WIN64 -I/usr/share/mingw-w64/include -I "$quelle/app" \
    "$bau/app/sprho.rc" -O res -o "$res"
IFS=. read -r haupt neben flick <<<"$version"
satz=$(x86_64-w64-mingw32-windres -J res -O rc "$res" 2>&1)
for erwartet in " FILEVERSION $haupt, $neben, 0, $flick" " PRODUCTVERSION $haupt, $neben, 0, $flick" \
    "\"FileVersion\", \"$(printf '%d.%02d.%04d' "$haupt" "$neben" "$flick")\"" \
    "\"ProductName\", \"Spruchhort $version\"" "\"InternalName\", \"sprho\"" \
    "\"OriginalFilename\", \"sprho.exe\"" "\"Translation\", 0x407, 1252"; do
    grep -q -F -- "$erwartet" <<<"$satz" || befund "Versionssatz ohne $erwartet"
done
[ "$(grep -c 'RT_ICON' <<<"$satz")" = 2 ] || befund "Versionssatz: nicht zwei Symbole"

((befunde == 0)) || exit 1
echo "Paket $(basename "$deb"): lintian, AppStream, Desktop-Eintrag, Handbuch, Versionssatz in Ordnung"
printf '%s\n' "$tags" | grep '^I: ' || true
