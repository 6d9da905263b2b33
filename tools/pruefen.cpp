#include "tools/werkzeug.h"

#include "archive/archiv_leser.h"
#include "archive/archivzeile.h"
#include "archive/cp1252.h"
#include "search/meldungen.h"

#include <array>
#include <functional>
#include <string_view>
#include <unordered_map>

namespace {

// One SMS holds 160 characters.
constexpr qsizetype smsLaenge = 160;

const std::array<QString, 3> bereichNamen{
    QStringLiteral("SMS-Datenbank"),
    QStringLiteral("Dumm-Anmach-Sprüche"),
    QStringLiteral("Weicheier"),
};

struct Befund {
    qint64 zeilen = 0;
    qint64 kommentare = 0;
    std::array<qint64, 3> eintraege{};
    qint64 leer = 0;
    qint64 doppelt = 0;
    qint64 zuLang = 0;
    qint64 mitLf = 0;
    qint64 mitUndefiniert = 0;
    QStringList einzelheiten;
};

} // namespace

// Counts what an archive holds and lists what its keepers should look at.
int pruefen(const QStringList &argumente, Kanaele &k)
{
    if (argumente.size() > 1)
        return falscheBedienung(k, QStringLiteral("check erwartet höchstens ein ARCHIV"));
    const QString pfad = argumente.value(0, meldungen::archivName);

    ArchivLeser leser(pfad);
    if (!leser.oeffnen()) {
        k.melden(QStringLiteral("sprho-archiv: „%1“ kann nicht gelesen werden: %2")
                     .arg(pfad, leser.fehler()));
        return status::fehler;
    }

    Befund b;
    // Duplicates are found by a hash of area and text; the texts themselves
    // are not kept, so memory stays small on big archives.
    std::unordered_map<std::size_t, qint64> gesehen;
    std::string schluessel;
    while (!leser.amEnde()) {
        const qint64 nr = ++b.zeilen;
        std::string_view zeile;
        if (!leser.naechsteZeile(zeile)) {
            k.melden(QStringLiteral("sprho-archiv: „%1“, Zeile %2: %3")
                         .arg(pfad)
                         .arg(nr)
                         .arg(leser.fehler()));
            return status::fehler;
        }
        if (zeile.find('\n') != std::string_view::npos) {
            ++b.mitLf;
            b.einzelheiten << QStringLiteral("Zeile %1: einzelner Zeilenvorschub (LF)").arg(nr);
        }
        for (const char c : zeile) {
            if (cp1252::istUndefiniert(static_cast<unsigned char>(c))) {
                ++b.mitUndefiniert;
                b.einzelheiten << QStringLiteral("Zeile %1: undefiniertes Byte").arg(nr);
                break;
            }
        }

        const char erstes = zeile.empty() ? '\0' : zeile.front();
        if (erstes == '#') {
            ++b.kommentare;
            continue;
        }
        const int bereich = erstes == '[' ? 1 : erstes == ']' ? 2 : 0;
        const std::string_view text = bereich == 0 ? zeile : zeile.substr(1);
        ++b.eintraege[static_cast<std::size_t>(bereich)];
        if (text.empty()) {
            ++b.leer;
            b.einzelheiten << QStringLiteral("Zeile %1: leerer Eintrag").arg(nr);
        }
        if (static_cast<qsizetype>(text.size()) > smsLaenge) {
            ++b.zuLang;
            b.einzelheiten << QStringLiteral("Zeile %1: %2 Zeichen").arg(nr).arg(text.size());
        }
        schluessel.assign(1, static_cast<char>('0' + bereich));
        schluessel.append(text);
        const auto [stelle, neu] = gesehen.try_emplace(std::hash<std::string>{}(schluessel), nr);
        if (!neu) {
            ++b.doppelt;
            b.einzelheiten << QStringLiteral("Zeile %1: doppelt (wie Zeile %2): %3")
                                  .arg(nr)
                                  .arg(stelle->second)
                                  .arg(klartext(text));
        }
    }

    QString bericht;
    auto zeile = [&](const QString &name, qint64 wert) {
        bericht += name + QStringLiteral(": ") + QString::number(wert) + u'\n';
    };
    zeile(QStringLiteral("Zeilen"), b.zeilen);
    zeile(QStringLiteral("Kommentare"), b.kommentare);
    for (std::size_t i = 0; i < bereichNamen.size(); ++i)
        zeile(QStringLiteral("Einträge ") + bereichNamen[i], b.eintraege[i]);
    zeile(QStringLiteral("Leere Einträge"), b.leer);
    zeile(QStringLiteral("Doppelte Einträge"), b.doppelt);
    zeile(QStringLiteral("Einträge über 160 Zeichen"), b.zuLang);
    zeile(QStringLiteral("Zeilen mit einzelnem LF"), b.mitLf);
    zeile(QStringLiteral("Zeilen mit undefinierten Bytes"), b.mitUndefiniert);
    for (const QString &einzeln : std::as_const(b.einzelheiten))
        bericht += einzeln + u'\n';
    k.schreiben(bericht);
    return status::ok;
}
