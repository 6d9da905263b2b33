// A whole search pass over an arbitrary archive and term, in every area.
// Input: term bytes (UTF-8), a NUL byte, archive bytes.
#include "archive/archivzeile.h"
#include "archive/zeichen_tausch.h"
#include "search/speicher_anzeige.h"
#include "search/suchmaschine.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void pruefen(bool bedingung)
{
    if (!bedingung)
        std::abort();
}

// The texts a pass may list for an area: the readable text of its lines.
QStringList moeglicheTexte(const std::string &archiv, int bereich)
{
    QStringList texte;
    std::size_t anfang = 0;
    while (anfang <= archiv.size()) {
        std::size_t ende = archiv.find('\r', anfang);
        if (ende == std::string::npos)
            ende = archiv.size();
        const std::string_view zeile = std::string_view(archiv).substr(anfang, ende - anfang);
        const char erstes = zeile.empty() ? '\0' : zeile.front();
        const int art = erstes == '[' ? 1 : erstes == ']' ? 2 : erstes == '#' ? -1 : 0;
        if (art == bereich)
            texte << klartext(bereich == 0 ? zeile : zeile.substr(1));
        anfang = ende + 1;
        if (anfang < archiv.size() && archiv[anfang] == '\n')
            ++anfang;
    }
    return texte;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    static QTemporaryDir ordner;
    const std::string alles(reinterpret_cast<const char *>(daten), groesse);
    const std::size_t trenner = alles.find('\0');
    if (trenner == std::string::npos)
        return 0;
    const QString begriff = QString::fromUtf8(alles.data(), qsizetype(trenner));
    const std::string archiv = alles.substr(trenner + 1);
    pruefen(zeichen_tausch(zeichen_tausch(begriff)) == begriff);

    const QString pfad = ordner.filePath(QStringLiteral("sprho.dat"));
    QFile datei(pfad);
    pruefen(datei.open(QIODevice::WriteOnly | QIODevice::Truncate));
    datei.write(archiv.data(), qsizetype(archiv.size()));
    datei.close();

    for (int bereich = 0; bereich <= 2; ++bereich) {
        Suchmaschine maschine(pfad);
        maschine.bereichWaehlen(static_cast<qint16>(bereich));
        SpeicherAnzeige anzeige;
        pruefen(maschine.suchlauf(begriff, anzeige) == Suchmaschine::Ausgang::Erledigt);
        if (bereich == 0)
            pruefen(anzeige.eintraege().size() <= Suchmaschine::trefferGrenze);
        QStringList moeglich = moeglicheTexte(archiv, bereich);
        for (const QString &text : anzeige.eintraege()) {
            const qsizetype stelle = moeglich.indexOf(text);
            pruefen(stelle >= 0); // every listed text is a line of that area
            moeglich.removeAt(stelle);
        }
        if (bereich != 0)
            pruefen(moeglich.isEmpty()); // and a list-only area lists them all
    }
    return 0;
}
