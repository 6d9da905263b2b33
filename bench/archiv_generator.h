#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

// The terms the measurements time. No main-area line of a made-up archive
// matches them, so a pass for one of them reads to the end and lists nothing.
namespace messbegriffe {
// The codec swaps none of its letters: grep, given the same word, looks for
// the very bytes the search looks for.
inline const QString ohneTreffer = QStringLiteral("Schloss");
inline const QString sterne = QStringLiteral("*a*a*a*a*a*a*a*a*a*a*a*a*b");
inline const QString liebeDich = QStringLiteral("*liebe*dich*");
inline const QString weihnacht = QStringLiteral("Weihnacht*");
inline const QString kategorie = QStringLiteral("Kinder");
QStringList kategorieBegriffe(); // its six terms
QStringList alle();              // all of the above
} // namespace messbegriffe

struct ArchivPlan {
    std::int64_t zeilen = 32767;                            // all lines
    std::vector<std::pair<QString, std::int64_t>> gezaehlt; // word, main-area lines holding it
    QStringList nie = messbegriffe::alle(); // no main-area line matches these ("*" only)
};

struct ArchivUmfang {
    std::int64_t bytes = 0;
    std::array<std::int64_t, 3> eintraege{}; // per area
};

// Writes a made-up archive from the sample texts in data/: their lines in
// turn, the line number woven into each main-area line so that no two are
// alike; of every 40 lines one "#" comment, one "[" and one "]" entry;
// scrambled, CR LF, the same bytes for the same plan. Returns the error text.
std::optional<QString> archivErzeugen(const QString &pfad, const ArchivPlan &plan,
                                      ArchivUmfang *umfang = nullptr);
