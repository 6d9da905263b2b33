
#include "archive/archiv_leser.h"
#include "archive/archivzeile.h"
#include "search/meldungen.h"
#include "tools/befehle.h"
#include "tools/befehlszeile.h"

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
    Befehlszeile befehlszeile(QStringLiteral("check"));
    if (const auto ende = befehlszeile.lesen(argumente, k))
        return *ende;
    if (befehlszeile.argumente().size() > 1)
        return falscheBedienung(k, QStringLiteral("check erwartet höchstens ein ARCHIV"));
    const QString pfad = befehlszeile.argumente().value(0, meldungen::archivName);

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
    std::string_view zeile;
    while (leser.naechsteZeile(zeile)) {
        const qint64 nr = ++b.zeilen;
        const Zeilenmaengel maengel = zeilenmaengel(zeile);
        if (maengel.einzelnesLf) {
            ++b.mitLf;
            b.einzelheiten << QStringLiteral("Zeile %1: einzelner Zeilenvorschub (LF)").arg(nr);
        }
        if (!maengel.undefiniert.empty()) {
            ++b.mitUndefiniert;
            b.einzelheiten << QStringLiteral("Zeile %1: undefiniertes Byte").arg(nr);
        }

        const auto gelesen = eintrag(zeile);
        if (!gelesen) {
            ++b.kommentare;
            continue;
        }
        const int bereich = gelesen->bereich;
        const std::string_view text = gelesen->text;
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

    if (leser.fehlgeschlagen()) {
        k.melden(QStringLiteral("sprho-archiv: „%1“, Zeile %2: %3")
                     .arg(pfad)
                     .arg(b.zeilen + 1)
                     .arg(leser.fehler()));
        return status::fehler;
    }

    QString bericht;
    auto posten = [&](const QString &name, qint64 wert) {
        bericht += name + QStringLiteral(": ") + QString::number(wert) + u'\n';
    };
    posten(QStringLiteral("Zeilen"), b.zeilen);
    posten(QStringLiteral("Kommentare"), b.kommentare);
    for (std::size_t i = 0; i < bereichNamen.size(); ++i)
        posten(QStringLiteral("Einträge ") + bereichNamen[i], b.eintraege[i]);
    posten(QStringLiteral("Leere Einträge"), b.leer);
    posten(QStringLiteral("Doppelte Einträge"), b.doppelt);
    posten(QStringLiteral("Einträge über 160 Zeichen"), b.zuLang);
    posten(QStringLiteral("Zeilen mit einzelnem LF"), b.mitLf);
    posten(QStringLiteral("Zeilen mit undefinierten Bytes"), b.mitUndefiniert);
    for (const QString &einzeln : std::as_const(b.einzelheiten))
        bericht += einzeln + u'\n';
    k.schreiben(bericht);
    return status::ok;
}
