#include "archive/archiv_leser.h"
#include "archive/archivzeile.h"
#include "tools/abbruch.h"
#include "tools/befehle.h"
#include "tools/befehlszeile.h"

#include <array>
#include <functional>
#include <string_view>
#include <unordered_map>

namespace {

// One SMS holds 160 characters.
constexpr qsizetype smsLaenge = 160;
// Findings of one kind shown without --all: enough to see what is wrong.
constexpr qint64 zeigeJeArt = 10;

// The kinds of findings, in the order their counts are reported.
enum Art : std::size_t { Leer, Doppelt, ZuLang, MitLf, MitUndefiniert, artAnzahl };

const std::array<QString, artAnzahl> artNamen{
    QStringLiteral("Leere Einträge"),
    QStringLiteral("Doppelte Einträge"),
    QStringLiteral("Einträge über 160 Zeichen"),
    QStringLiteral("Zeilen mit einzelnem LF"),
    QStringLiteral("Zeilen mit undefinierten Bytes"),
};

struct Einzelheit {
    Art art;
    QString text;
};

struct Befund {
    qint64 zeilen = 0;
    qint64 kommentare = 0;
    std::array<qint64, bereichAnzahl> eintraege{};
    std::array<qint64, artAnzahl> anzahl{};
    QList<Einzelheit> einzelheiten; // in the order of the lines
    QString lesefehler;

    void finden(Art art, const QString &text)
    {
        ++anzahl[art];
        einzelheiten.append({art, text});
    }
};

Befund durchsehen(ArchivLeser &leser)
{
    Befund b;
    // Duplicates are found by a hash of area and text; the texts themselves
    // are not kept, so memory stays small on big archives.
    std::unordered_map<std::size_t, qint64> gesehen;
    std::string schluessel;
    std::string_view zeile;
    while (leser.naechsteZeile(zeile)) {
        const qint64 nr = ++b.zeilen;
        const Zeilenmaengel maengel = zeilenmaengel(zeile);
        if (maengel.einzelnesLf)
            b.finden(MitLf, QStringLiteral("Zeile %1: einzelner Zeilenvorschub (LF)").arg(nr));
        if (!maengel.undefiniert.empty())
            b.finden(MitUndefiniert, QStringLiteral("Zeile %1: undefiniertes Byte").arg(nr));

        const auto gelesen = eintrag(zeile);
        if (!gelesen) {
            ++b.kommentare;
            continue;
        }
        const int bereich = gelesen->bereich;
        const std::string_view text = gelesen->text;
        ++b.eintraege[static_cast<std::size_t>(bereich)];
        if (text.empty())
            b.finden(Leer, QStringLiteral("Zeile %1: leerer Eintrag").arg(nr));
        if (static_cast<qsizetype>(text.size()) > smsLaenge)
            b.finden(ZuLang, QStringLiteral("Zeile %1: %2 Zeichen").arg(nr).arg(text.size()));
        schluessel.assign(1, static_cast<char>('0' + bereich));
        schluessel.append(text);
        const auto [stelle, neu] = gesehen.try_emplace(std::hash<std::string>{}(schluessel), nr);
        if (!neu) {
            b.finden(Doppelt, QStringLiteral("Zeile %1: doppelt (wie Zeile %2): %3")
                                  .arg(nr)
                                  .arg(stelle->second)
                                  .arg(klartext(text)));
        }
    }
    if (leser.fehlgeschlagen())
        b.lesefehler = QStringLiteral("Zeile %1: %2").arg(b.zeilen + 1).arg(leser.fehler());
    return b;
}

// The counts, then the findings in the order of the lines: all of them, or
// the first few of each kind and how many more there are.
QString bericht(const Befund &b, bool alle)
{
    QString text;
    auto posten = [&](const QString &name, qint64 wert) {
        text += name + QStringLiteral(": ") + QString::number(wert) + u'\n';
    };
    posten(QStringLiteral("Zeilen"), b.zeilen);
    posten(QStringLiteral("Kommentare"), b.kommentare);
    for (qint16 bereich = 0; bereich < bereichAnzahl; ++bereich)
        posten(QStringLiteral("Einträge ") + bereichsname(bereich),
               b.eintraege[static_cast<std::size_t>(bereich)]);
    for (std::size_t art = 0; art < artAnzahl; ++art)
        posten(artNamen[art], b.anzahl[art]);
    std::array<qint64, artAnzahl> gezeigt{};
    for (const Einzelheit &einzeln : b.einzelheiten) {
        if (alle || gezeigt[einzeln.art]++ < zeigeJeArt)
            text += einzeln.text + u'\n';
    }
    for (std::size_t art = 0; art < artAnzahl; ++art) {
        if (!alle && b.anzahl[art] > zeigeJeArt)
            text += QStringLiteral("%1: … und %2 weitere (--all zeigt alle)\n")
                        .arg(artNamen[art])
                        .arg(b.anzahl[art] - zeigeJeArt);
    }
    return text;
}

} // namespace

// Counts what an archive holds and lists what its keepers should look at.
int pruefen(const QStringList &argumente, Kanaele &k)
{
    Befehlszeile zeile(QStringLiteral("check"));
    zeile.lesen(argumente);
    const QStringList archive = zeile.argumente();
    if (archive.size() + (zeile.archivGenannt() ? 1 : 0) > 1)
        falschBedient(QStringLiteral("check erwartet höchstens ein ARCHIV"));
    const QString pfad = archive.isEmpty() ? zeile.archiv() : archive.first();

    ArchivLeser leser(pfad);
    if (!leser.oeffnen())
        unlesbar(pfad, leser.fehler());
    const Befund befund = durchsehen(leser);
    if (!befund.lesefehler.isEmpty())
        scheitern(QStringLiteral("„%1“, %2").arg(pfad, befund.lesefehler));
    k.schreiben(bericht(befund, zeile.gesetzt(QStringLiteral("all"))));
    return status::ok;
}
