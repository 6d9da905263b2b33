#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>
#include <string_view>
#include <vector>

// One archive line in both directions: readable text <-> scrambled
// Windows-1252 bytes (without the line end).

// The position (1-based, in characters) of the first character that an archive
// line cannot hold: one outside Windows-1252, one of the five C1 controls that
// stand for its undefined bytes, or a carriage return, which would end the line
// early.
struct UngueltigesZeichen {
    qsizetype spalte;
    char32_t zeichen;
};

// The scrambled bytes of a readable line, or the first character in the way.
std::optional<UngueltigesZeichen> archivzeile(const QString &klartext, QByteArray &bytes);

// The readable text of a raw (scrambled) archive line.
QString klartext(std::string_view rohzeile);

// The areas, numbered as the window's option buttons: 0 the searchable main
// area, 1 and 2 the areas that are only ever listed whole.
constexpr qint16 bereichAnzahl = 3;

// The first byte of a line tells what it holds: the comment marker starts a
// comment, an area's marker an entry of that area, anything else an entry of
// the main area, which has no marker ('\0' here). The markers are in no pair
// of the codec, so the raw byte is the plain one.
constexpr char kommentarMarke = '#';
constexpr std::array<char, bereichAnzahl> bereichsmarken{'\0', '[', ']'};

// The area's name, as the window labels its option button.
QString bereichsname(qint16 bereich);

// The line text of an entry of the area: the text behind the area's marker.
QString mitBereichsmarke(const QString &text, qint16 bereich);

// The marker a text begins with, which would make it, stored as a main-area
// entry, a comment or an entry of another area when read back.
std::optional<QChar> markeAmAnfang(const QString &text);

struct Eintrag {
    qint16 bereich;
    std::string_view text; // without its marker, still scrambled
};

// The entry of a raw line, or nothing for a comment line.
std::optional<Eintrag> eintrag(std::string_view rohzeile);

// What keeps a raw line from coming back byte for byte through unpack and
// pack: a lone line feed (unpacked, it breaks the line) and the bytes that
// Windows-1252 leaves undefined.
struct Zeilenmaengel {
    bool einzelnesLf = false;
    std::vector<std::size_t> undefiniert; // positions, counted from 0

    bool keine() const { return !einzelnesLf && undefiniert.empty(); }
};

Zeilenmaengel zeilenmaengel(std::string_view rohzeile);
