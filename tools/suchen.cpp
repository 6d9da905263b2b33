#include "werkzeug.h"

#include "meldungen.h"
#include "speicher_anzeige.h"
#include "suchmaschine.h"

#include <optional>

namespace {

struct Suchoptionen {
    QString archiv = meldungen::archivName;
    qint16 bereich = 0;
    bool nul = false;
    bool ja = false;
    bool liste = false;
    std::optional<QString> begriff;
};

// Parses the options search and category share. Returns an error text, or
// nothing when the arguments are fine.
std::optional<QString> leseOptionen(const QStringList &argumente, Suchoptionen &o, bool mitBereich)
{
    bool nurNochBegriff = false;
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString &a = argumente[i];
        auto wert = [&](const QString &name) -> std::optional<QString> {
            if (a.startsWith(name + u'='))
                return a.sliced(name.size() + 1);
            if (a == name && i + 1 < argumente.size())
                return argumente[++i];
            return std::nullopt;
        };
        const bool option = !nurNochBegriff && a.startsWith(u'-') && a.size() > 1;
        if (!option) {
            if (o.begriff)
                return QStringLiteral(
                    "nur ein Suchbegriff erlaubt (mit Leerzeichen in Anführungszeichen)");
            o.begriff = a;
        } else if (a == QStringLiteral("--")) {
            nurNochBegriff = true;
        } else if (a == QStringLiteral("-0") || a == QStringLiteral("--null")) {
            o.nul = true;
        } else if (!mitBereich && a == QStringLiteral("--yes")) {
            o.ja = true;
        } else if (!mitBereich && a == QStringLiteral("--list")) {
            o.liste = true;
        } else if (a.startsWith(QStringLiteral("--archive"))) {
            const auto pfad = wert(QStringLiteral("--archive"));
            if (!pfad || pfad->isEmpty())
                return QStringLiteral("--archive braucht eine Datei");
            o.archiv = *pfad;
        } else if (mitBereich && a.startsWith(QStringLiteral("--area"))) {
            const auto zahl = wert(QStringLiteral("--area"));
            if (zahl == QStringLiteral("0") || zahl == QStringLiteral("1") ||
                zahl == QStringLiteral("2")) {
                o.bereich = static_cast<qint16>(zahl->toShort());
            } else {
                return QStringLiteral("--area erwartet 0, 1 oder 2");
            }
        } else {
            return QStringLiteral("unbekannte Option „%1“").arg(a);
        }
    }
    return std::nullopt;
}

void ausgeben(Kanaele &k, const SpeicherAnzeige &anzeige, bool nul)
{
    // Entry by entry: a list-only area can hold many thousands.
    const char ende = nul ? '\0' : '\n';
    for (const QString &eintrag : anzeige.eintraege()) {
        k.aus.write(eintrag.toUtf8());
        k.aus.write(&ende, 1);
    }
    // Last line of standard error, exactly as the window shows it.
    k.melden(anzeige.anzahlMeldung());
}

int suchfehler(Kanaele &k, const Suchmaschine &maschine)
{
    return suchfehler(k, maschine.archivPfad(), maschine.fehler());
}

} // namespace

int suchfehler(Kanaele &k, const QString &archiv, const QString &grund)
{
    k.melden(QStringLiteral("sprho-archiv: Suchlauf fehlgeschlagen: „%1“: %2").arg(archiv, grund));
    return status::fehler;
}

bool nachfragen(Kanaele &k)
{
    k.melden(meldungen::versautFrage);
    if (!k.eingabeIstTerminal)
        return false;
    k.fehler.write("Ja/Nein? ");
    const QString antwort = QString::fromUtf8(k.ein.readLine()).trimmed().toLower();
    return antwort == QStringLiteral("ja") || antwort == QStringLiteral("j") ||
           antwort == QStringLiteral("yes") || antwort == QStringLiteral("y");
}

// One search pass, as the window's search button runs it.
int suchen(const QStringList &argumente, Kanaele &k)
{
    Suchoptionen o;
    if (const auto fehler = leseOptionen(argumente, o, true))
        return falscheBedienung(k, *fehler);

    Suchmaschine maschine(o.archiv);
    maschine.bereich_nr = o.bereich;
    SpeicherAnzeige anzeige(o.begriff.value_or(QString()));
    if (maschine.suchlauf(anzeige) != Suchmaschine::Ausgang::Erledigt)
        return suchfehler(k, maschine);
    ausgeben(k, anzeige, o.nul);
    return status::ok;
}

// The category search, as choosing a category in the window runs it.
int kategorie(const QStringList &argumente, Kanaele &k)
{
    Suchoptionen o;
    if (const auto fehler = leseOptionen(argumente, o, false))
        return falscheBedienung(k, *fehler);

    Suchmaschine maschine(o.archiv);
    maschine.kategorien.kateg_laden();
    if (o.liste) {
        for (int i = 1; i <= maschine.kategorien.kat_anzahl; ++i)
            k.schreiben(maschine.kategorien.kat_name[static_cast<std::size_t>(i)] + u'\n');
        return status::ok;
    }
    if (!o.begriff)
        return falscheBedienung(k, QStringLiteral("category erwartet einen NAMEN oder --list"));
    if (maschine.kategorien.zeileZu(*o.begriff) == 0) {
        return falscheBedienung(
            k, QStringLiteral("unbekannte Kategorie „%1“ (--list zeigt alle)").arg(*o.begriff));
    }

    SpeicherAnzeige anzeige;
    const auto ausgang =
        maschine.kategoriesuche(*o.begriff, anzeige, [&] { return o.ja || nachfragen(k); });
    if (ausgang == Suchmaschine::Ausgang::Abgelehnt) {
        k.melden(QStringLiteral("sprho-archiv: abgelehnt; mit --yes wird „%1“ ohne Rückfrage "
                                "durchsucht")
                     .arg(*o.begriff));
        return status::fehler;
    }
    if (ausgang == Suchmaschine::Ausgang::Fehler)
        return suchfehler(k, maschine);
    ausgeben(k, anzeige, o.nul);
    return status::ok;
}
