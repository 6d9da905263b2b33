#include "werkzeug.h"

#include "archiv_leser.h"
#include "archivzeile.h"
#include "meldungen.h"
#include "speicher_anzeige.h"
#include "suchmaschine.h"

#include <QCommandLineParser>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>

namespace {

using Zufall = std::mt19937_64;

struct Optionen {
    QString archiv;
    int bereich = 0;
    std::optional<QString> kategorie;
    bool nul = false;
    bool ja = false;
    Zufall zufall;
};

// QCommandLineParser's own messages are English; the tool words its own.
QString bedienfehler(const QCommandLineParser &parser, const QList<QCommandLineOption> &optionen,
                     const QStringList &argumente)
{
    const auto strich = [](const QString &name) {
        return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    };
    if (!parser.unknownOptionNames().isEmpty())
        return QStringLiteral("unbekannte Option „%1“").arg(strich(parser.unknownOptionNames()[0]));
    // The parser knows two more faults: a switch given a value, and a missing
    // value, which only the last argument can lack.
    for (const QCommandLineOption &option : optionen) {
        const QString name = strich(option.names().last());
        const auto mitWert = [&](const QString &a) { return a.startsWith(name + u'='); };
        if (option.valueName().isEmpty() &&
            std::any_of(argumente.begin(), argumente.end(), mitWert))
            return QStringLiteral("„%1“ nimmt keinen Wert").arg(name);
    }
    return QStringLiteral("„%1“ braucht einen Wert").arg(argumente.last());
}

// Reads the command line; an error text, or nothing when it is fine.
std::optional<QString> leseOptionen(const QStringList &argumente, Optionen &o)
{
    QCommandLineParser parser;
    const QCommandLineOption archiv(QStringLiteral("archive"), {}, QStringLiteral("DATEI"),
                                    meldungen::archivName);
    const QCommandLineOption bereich(QStringLiteral("area"), {}, QStringLiteral("BEREICH"),
                                     QStringLiteral("0"));
    const QCommandLineOption kategorie(QStringLiteral("category"), {}, QStringLiteral("NAME"));
    const QCommandLineOption saat(QStringLiteral("seed"), {}, QStringLiteral("N"));
    const QCommandLineOption nul(QStringList{QStringLiteral("0"), QStringLiteral("null")});
    const QCommandLineOption ja(QStringLiteral("yes"));
    const QList<QCommandLineOption> optionen{archiv, bereich, kategorie, saat, nul, ja};
    parser.addOptions(optionen);
    if (!parser.parse(QStringList{QStringLiteral("random")} + argumente))
        return bedienfehler(parser, optionen, argumente);

    if (!parser.positionalArguments().isEmpty())
        return QStringLiteral("random nimmt kein Argument („%1“)")
            .arg(parser.positionalArguments().first());
    o.archiv = parser.value(archiv);
    if (o.archiv.isEmpty())
        return QStringLiteral("--archive braucht eine Datei");
    const QString zahl = parser.value(bereich);
    if (zahl != QStringLiteral("0") && zahl != QStringLiteral("1") && zahl != QStringLiteral("2"))
        return QStringLiteral("--area erwartet 0, 1 oder 2");
    o.bereich = zahl.toInt();
    if (parser.isSet(kategorie)) {
        if (parser.isSet(bereich))
            return QStringLiteral("--area und --category schließen einander aus");
        o.kategorie = parser.value(kategorie);
    }
    if (parser.isSet(saat)) {
        bool ok = false;
        o.zufall.seed(parser.value(saat).toULongLong(&ok));
        if (!ok)
            return QStringLiteral("--seed erwartet eine ganze Zahl ab 0");
    } else {
        std::random_device quelle;
        o.zufall.seed((static_cast<Zufall::result_type>(quelle()) << 32U) ^ quelle());
    }
    o.nul = parser.isSet(nul);
    o.ja = parser.isSet(ja);
    return std::nullopt;
}

void ausgeben(Kanaele &k, const QString &eintrag, bool nul)
{
    k.aus.write(eintrag.toUtf8());
    k.aus.write(nul ? QByteArray(1, '\0') : QByteArray(1, '\n'));
}

// One read of the archive, keeping a single line: the n-th entry of the area
// replaces the kept one with probability 1/n, which leaves every entry kept
// with the same probability however many there are.
int ausBereich(Optionen &o, Kanaele &k)
{
    ArchivLeser leser(o.archiv);
    if (!leser.oeffnen())
        return suchfehler(k, o.archiv, leser.fehler());
    const char marke = o.bereich == 1 ? '[' : ']';
    std::string gewaehlt;
    std::uint64_t anzahl = 0;
    while (!leser.amEnde()) {
        std::string_view zeile;
        if (!leser.naechsteZeile(zeile))
            return suchfehler(k, o.archiv, leser.fehler());
        // The markers are in no pair of the codec: the raw byte tells the kind.
        const char erstes = zeile.empty() ? '\0' : zeile.front();
        const bool imBereich =
            o.bereich == 0 ? erstes != '#' && erstes != '[' && erstes != ']' : erstes == marke;
        if (!imBereich)
            continue;
        if (std::uniform_int_distribution<std::uint64_t>(0, anzahl++)(o.zufall) == 0)
            gewaehlt.assign(zeile.substr(o.bereich == 0 ? 0 : 1));
    }
    if (anzahl == 0) {
        k.melden(QStringLiteral("sprho-archiv: „%1“ hat keine Einträge in Bereich %2")
                     .arg(o.archiv)
                     .arg(o.bereich));
        return status::fehler;
    }
    ausgeben(k, klartext(gewaehlt), o.nul);
    return status::ok;
}

// What the category search would list, as the window lists it. The only
// place where random asks the engine for a category.
Suchmaschine::Ausgang kategorieEintraege(Suchmaschine &maschine, const QString &name,
                                         const std::function<bool()> &bestaetigen,
                                         QStringList &eintraege)
{
    SpeicherAnzeige anzeige;
    const auto ausgang = maschine.kategoriesuche(name, anzeige, bestaetigen);
    eintraege = anzeige.eintraege();
    return ausgang;
}

int ausKategorie(Optionen &o, Kanaele &k)
{
    const QString &name = *o.kategorie;
    Suchmaschine maschine(o.archiv);
    maschine.kategorien.kateg_laden();
    if (maschine.kategorien.zeileZu(name) == 0) {
        return falscheBedienung(
            k, QStringLiteral("unbekannte Kategorie „%1“ („sprho-archiv category --list“ zeigt "
                              "alle)")
                   .arg(name));
    }
    QStringList eintraege;
    const auto ausgang = kategorieEintraege(
        maschine, name, [&] { return o.ja || nachfragen(k); }, eintraege);
    if (ausgang == Suchmaschine::Ausgang::Abgelehnt) {
        k.melden(QStringLiteral("sprho-archiv: abgelehnt; mit --yes wird „%1“ ohne Rückfrage "
                                "durchsucht")
                     .arg(name));
        return status::fehler;
    }
    if (ausgang == Suchmaschine::Ausgang::Fehler)
        return suchfehler(k, o.archiv, maschine.fehler());
    if (eintraege.isEmpty()) {
        k.melden(QStringLiteral("sprho-archiv: die Kategorie „%1“ findet in „%2“ keine Einträge")
                     .arg(name, o.archiv));
        return status::fehler;
    }
    const auto letzter = static_cast<std::uint64_t>(eintraege.size() - 1);
    const auto wahl = std::uniform_int_distribution<std::uint64_t>(0, letzter)(o.zufall);
    ausgeben(k, eintraege[static_cast<qsizetype>(wahl)], o.nul);
    return status::ok;
}

} // namespace

// One entry chosen at random, each as likely as any other: for a greeting in
// a shell's start-up file, or a text of the day.
int zufall(const QStringList &argumente, Kanaele &k)
{
    Optionen o;
    if (const auto fehler = leseOptionen(argumente, o))
        return falscheBedienung(k, *fehler);
    return o.kategorie ? ausKategorie(o, k) : ausBereich(o, k);
}
