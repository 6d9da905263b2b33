#pragma once

#include <QByteArray>
#include <QString>

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

// What a raw line holds, told by its first byte: "#" starts a comment, "["
// an entry of area 1, "]" one of area 2, anything else one of the main area 0.
// The markers are in no pair of the codec, so the raw byte is the plain one.
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
