#include "tools/befehlszeile.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

using Optionen = QMap<QString, QStringList>; // subcommand -> its options, sorted

const QString werkzeug = u"sprho-archiv"_s; // the options before any subcommand

QString lesen(const QString &pfad)
{
    QFile datei(QStringLiteral(SPRHO_QUELLEN) + u'/' + pfad);
    if (!datei.open(QIODevice::ReadOnly))
        qFatal("%s fehlt", qPrintable(pfad));
    return QString::fromUtf8(datei.readAll());
}

// "-0", "--null", but not the "-1252" of "windows-1252" nor the "-archiv" of
// "sprho-archiv".
QStringList optionenIn(const QString &text)
{
    static const QRegularExpression option(u"(?<![\\w-])(--[a-z]+|-[a-z0-9])(?![\\w-])"_s);
    QStringList gefunden;
    for (const auto &treffer : option.globalMatch(text))
        gefunden.append(treffer.captured(1));
    return gefunden;
}

void aufnehmen(Optionen &optionen, const QString &befehl, const QStringList &neu)
{
    QStringList &liste = optionen[befehl];
    liste += neu;
    // --help goes with every subcommand; the synopses leave it out.
    liste.removeAll(u"-h"_s);
    if (befehl != werkzeug)
        liste.removeAll(u"--help"_s);
    liste.sort();
    liste.removeDuplicates();
}

// The program's own row lists its subcommands too.
QString alsBefehl(const QString &name)
{
    return u"Befehl "_s + name;
}

qsizetype einzug(const QString &zeile)
{
    return std::ranges::find_if(zeile, [](QChar c) { return c != u' '; }) - zeile.begin();
}

Optionen ausDemParser()
{
    Optionen optionen;
    for (const QString &befehl : befehlsnamen()) {
        aufnehmen(optionen, befehl, Befehlszeile(befehl).optionen());
        aufnehmen(optionen, werkzeug, {alsBefehl(befehl)});
    }
    for (const QCommandLineOption &option : {hilfeOption(), versionOption()}) {
        for (const QString &name : option.names())
            aufnehmen(optionen, werkzeug, {(name.size() == 1 ? u"-"_s : u"--"_s) + name});
    }
    return optionen;
}

// The words the completion offers after each subcommand, and after the
// program's name.
Optionen ausDerErgaenzung()
{
    const QString skript = lesen(u"tools/sprho-archiv.bash"_s);
    Optionen optionen;
    static const QRegularExpression befehl(u"^\\s+([a-z]+)\\) optionen='([^']*)'"_s,
                                           QRegularExpression::MultilineOption);
    for (const auto &treffer : befehl.globalMatch(skript)) {
        const QStringList worte = treffer.captured(2).split(u' ', Qt::SkipEmptyParts);
        if (!worte.contains(u"--help"_s))
            aufnehmen(optionen, treffer.captured(1), {u"(ohne --help)"_s});
        aufnehmen(optionen, treffer.captured(1), worte);
    }
    static const QRegularExpression erstes(u"COMP_CWORD == 1.*?compgen -W '([^']*)'"_s,
                                           QRegularExpression::DotMatchesEverythingOption);
    for (const QString &wort : erstes.match(skript).captured(1).split(u' ', Qt::SkipEmptyParts))
        aufnehmen(optionen, werkzeug, {wort.startsWith(u'-') ? wort : alsBefehl(wort)});
    return optionen;
}

// The .SY blocks of the man page's synopsis, one or more a subcommand.
Optionen ausDerHandbuchseite()
{
    const QString seite = lesen(u"docs/man/sprho-archiv.1.in"_s).replace(u"\\-"_s, u"-"_s);
    const qsizetype anfang = seite.indexOf(u".SH ÜBERSICHT"_s);
    const QString uebersicht = seite.mid(anfang, seite.indexOf(u".YS"_s, anfang) - anfang);
    Optionen optionen;
    for (const QString &block : uebersicht.split(u".SY sprho-archiv\n"_s).sliced(1)) {
        const QString erste = block.section(u'\n', 0, 0);
        const QString befehl = erste.startsWith(u".B "_s) ? erste.section(u' ', 1, 1) : werkzeug;
        aufnehmen(optionen, befehl, optionenIn(block));
        if (befehl != werkzeug)
            aufnehmen(optionen, werkzeug, {alsBefehl(befehl)});
    }
    return optionen;
}

// The synopses in the help: a subcommand's line starts two spaces in, its
// continuation lines further; the description stands in a column of its own.
Optionen ausDerHilfe()
{
    const QString hilfe = hilfetext();
    const qsizetype anfang = hilfe.indexOf(u"Befehle:\n"_s) + 9;
    const QString befehle = hilfe.mid(anfang, hilfe.indexOf(u"\n\n"_s, anfang) - anfang);
    constexpr qsizetype beschreibungsspalte = 27;
    static const QRegularExpression spalten(u" {3,}"_s);
    Optionen optionen;
    QString befehl;
    for (const QString &zeile : befehle.split(u'\n')) {
        if (einzug(zeile) >= beschreibungsspalte)
            continue;
        if (einzug(zeile) == 2) {
            befehl = zeile.trimmed().section(u' ', 0, 0);
            aufnehmen(optionen, werkzeug, {alsBefehl(befehl)});
        }
        aufnehmen(optionen, befehl, optionenIn(zeile.trimmed().split(spalten).first()));
    }
    return optionen;
}

} // namespace

// The options of each subcommand are written in four places: the parser, the
// bash completion, the man page's synopsis and the help's. None may name one
// that the others do not.
class TstOptionen : public QObject {
    Q_OBJECT

private slots:
    void gleich_data()
    {
        QTest::addColumn<QString>("erwartet");
        QTest::addColumn<QString>("gefunden");
        const Optionen parser = ausDemParser();
        Optionen hilfe = ausDerHilfe();
        // The help's own option lines are made from the parser's options.
        hilfe[werkzeug] = parser[werkzeug];
        for (const auto &[ort, optionen] :
             {std::pair("Ergänzung", ausDerErgaenzung()),
              std::pair("Handbuch", ausDerHandbuchseite()), std::pair("Hilfe", hilfe)}) {
            // A subcommand that only some places know gets a row of its own. Joined, so that a
            // failure shows the options themselves.
            Optionen alle = parser;
            alle.insert(optionen);
            for (const QString &befehl : alle.keys())
                QTest::addRow("%s: %s", ort, qPrintable(befehl))
                    << parser.value(befehl, {u"(unbekannt)"_s}).join(u' ')
                    << optionen.value(befehl, {u"(fehlt)"_s}).join(u' ');
        }
    }

    void gleich()
    {
        QFETCH(QString, erwartet);
        QFETCH(QString, gefunden);
        QCOMPARE(gefunden, erwartet);
    }

    // The help is put together from the table: it fits 80 columns, what a
    // subcommand does starts in column 28, and each line of that is as full
    // as the next word allows.
    void hilfeInSpalten()
    {
        const QStringList zeilen = hilfetext().split(u'\n');
        for (const QString &zeile : zeilen)
            QVERIFY2(zeile.size() <= 80, qPrintable(zeile));
        const qsizetype anfang = zeilen.indexOf(u"Befehle:"_s) + 1;
        const auto mitBeschreibung = [](const QString &zeile) {
            return zeile.size() > 27 && zeile[25] == u' ' && zeile[26] == u' ' && zeile[27] != u' ';
        };
        for (qsizetype i = anfang; !zeilen[i].isEmpty(); ++i) {
            const QString &zeile = zeilen[i];
            // Synopses go on under their subcommand, descriptions in their column.
            QVERIFY2(einzug(zeile) < 12 || einzug(zeile) == 27, qPrintable(zeile));
            if (einzug(zeile) != 27 || !mitBeschreibung(zeilen[i - 1]))
                continue;
            const QString wort = zeile.trimmed().section(u' ', 0, 0);
            QVERIFY2(zeilen[i - 1].size() + 1 + wort.size() > 80,
                     qPrintable(zeilen[i - 1] + u'|' + wort));
        }
    }
};

QTEST_APPLESS_MAIN(TstOptionen)
#include "tst_optionen.moc"
