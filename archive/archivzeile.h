#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <string_view>

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
