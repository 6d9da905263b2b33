#include "tools/verlustpruefung.h"

#include "archive/archiv_leser.h"
#include "archive/archivzeile.h"
#include "tools/abbruch.h"

#include <QFile>
#include <QFileInfo>
#include <QHashFunctions>

#include <algorithm>

namespace {

// Fixed, so that one run's hashes compare; any value but 0 will do.
constexpr std::size_t saat = 0x5370'7268'6f68'6f72;

std::size_t hashVon(QByteArrayView zeile)
{
    return qHash(zeile, saat);
}

// The lines an old file holds that the new one would not.
struct Verlust {
    qint64 anzahl = 0;
    qint64 ersteZeile = 0;
    QString ersterText; // readable, as the user sees it
};

// Counts the line when it would be lost; true for the first, whose text the
// caller then makes readable.
bool ersterVerlust(Verlust &verlust, qint64 nummer, QByteArrayView zeile, const Zeilenbestand &neu)
{
    if (zeile.isEmpty() || neu.enthaelt(zeile))
        return false; // an empty line holds nothing to lose
    if (verlust.anzahl++ > 0)
        return false;
    verlust.ersteZeile = nummer;
    return true;
}

[[noreturn]] void unpruefbar(const QString &pfad, const QString &grund)
{
    scheitern(QStringLiteral("„%1“ kann nicht gelesen werden, um zu prüfen, ob beim Ersetzen "
                             "etwas verloren ginge: %2 (--force ersetzt ungeprüft)")
                  .arg(pfad, grund));
}

void abweisen(const QString &pfad, const Verlust &verlust, const QString &wo, const QString &weiter)
{
    if (verlust.anzahl == 0)
        return;
    const bool eine = verlust.anzahl == 1;
    scheitern(QStringLiteral("„%1“ bleibt unverändert: %2 darin %3 %4 (zuerst Zeile %5: "
                             "„%6“).\n%7; --force ersetzt trotzdem.")
                  .arg(pfad,
                       eine ? QStringLiteral("1 Zeile")
                            : QString::number(verlust.anzahl) + QStringLiteral(" Zeilen"),
                       eine ? QStringLiteral("fehlt") : QStringLiteral("fehlen"), wo,
                       QString::number(verlust.ersteZeile), verlust.ersterText, weiter));
}

} // namespace

void Zeilenbestand::aufnehmen(QByteArrayView zeile)
{
    m_hashes.push_back(hashVon(zeile));
}

void Zeilenbestand::textAufnehmen(const QByteArray &text)
{
    qsizetype anfang = 0;
    for (qsizetype ende; (ende = text.indexOf('\n', anfang)) >= 0; anfang = ende + 1)
        aufnehmen(QByteArrayView(text).sliced(anfang, ende - anfang));
    aufnehmen(QByteArrayView(text).sliced(anfang));
}

void Zeilenbestand::abschliessen()
{
    std::sort(m_hashes.begin(), m_hashes.end());
    m_hashes.erase(std::unique(m_hashes.begin(), m_hashes.end()), m_hashes.end());
}

bool Zeilenbestand::enthaelt(QByteArrayView zeile) const
{
    return std::binary_search(m_hashes.begin(), m_hashes.end(), hashVon(zeile));
}

bool ersetztDatei(const QString &pfad)
{
    return pfad != QStringLiteral("-") && QFileInfo(pfad).isFile();
}

void archivVerlustAbweisen(const QString &pfad, const Zeilenbestand &neu, const QString &weiter)
{
    ArchivLeser leser(pfad);
    if (!leser.oeffnen())
        unpruefbar(pfad, leser.fehler());
    Verlust verlust;
    qint64 nummer = 0;
    std::string_view zeile;
    while (leser.naechsteZeile(zeile)) {
        ++nummer;
        if (ersterVerlust(verlust, nummer, QByteArrayView(zeile.data(), qsizetype(zeile.size())),
                          neu))
            verlust.ersterText = klartext(zeile);
    }
    if (leser.fehlgeschlagen())
        unpruefbar(pfad, leser.fehler());
    abweisen(pfad, verlust, QStringLiteral("im neuen Archiv"), weiter);
}

void textVerlustAbweisen(const QString &pfad, const Zeilenbestand &neu, const QString &weiter)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        unpruefbar(pfad, datei.errorString());
    Verlust verlust;
    qint64 nummer = 0;
    while (!datei.atEnd()) {
        QByteArray zeile = datei.readLine();
        if (zeile.isEmpty() && datei.error() != QFileDevice::NoError)
            unpruefbar(pfad, datei.errorString());
        // Read as pack reads a text: LF or CR LF ends a line, a byte order
        // mark before the first is no part of it.
        if (zeile.endsWith("\r\n"))
            zeile.chop(2);
        else if (zeile.endsWith('\n'))
            zeile.chop(1);
        if (++nummer == 1 && zeile.startsWith("\xEF\xBB\xBF"))
            zeile.remove(0, 3);
        if (ersterVerlust(verlust, nummer, zeile, neu))
            verlust.ersterText = QString::fromUtf8(zeile);
    }
    abweisen(pfad, verlust, QStringLiteral("im Archiv"), weiter);
}
