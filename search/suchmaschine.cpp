#include "search/suchmaschine.h"

#include "archive/archiv_leser.h"
#include "archive/archivzeile.h"
#include "archive/cp1252.h"
#include "archive/zeichen_tausch.h"
#include "search/meldungen.h"
#include "search/platzhaltermuster.h"
#include "search/teilstringsuche.h"

#include <string>

QString leerzeichenEntfernen(const QString &text)
{
    qsizetype anfang = 0;
    qsizetype ende = text.size();
    while (anfang < ende && text[anfang] == u' ')
        ++anfang;
    while (ende > anfang && text[ende - 1] == u' ')
        --ende;
    return text.sliced(anfang, ende - anfang);
}

Suchmaschine::Suchmaschine(QString archivPfad) : m_archivPfad(std::move(archivPfad)) {}

Suchmaschine::Ausgang Suchmaschine::scheitern(const QString &grund)
{
    m_fehler = grund;
    return Ausgang::Fehler;
}

Suchmaschine::Ausgang Suchmaschine::suchlauf(SuchAnzeige &anzeige)
{
    if (anhaengen == 0) {
        anzeige.ergebnisseLeeren();
        gefundene_zeilen.clear();
    }
    m_fehler.clear();

    ArchivLeser leser(m_archivPfad);
    if (!leser.oeffnen())
        return scheitern(leser.fehler());

    if (anhaengen == 0)
        suchbegriff = anzeige.suchtext();
    suchbegriff = leerzeichenEntfernen(suchbegriff);

    // The term is scrambled once; every test compares scrambled forms, so no
    // line is unscrambled unless it is listed.
    const QString muster = zeichen_tausch(suchbegriff);
    const Teilstringsuche teilstring(muster);
    const Platzhaltermuster platzhalter(muster);

    QStringList neu;
    qint64 zeilennummer = 0;
    int treffer = 0;
    while (!leser.amEnde()) {
        ++zeilennummer;
        std::string_view zeile;
        if (!leser.naechsteZeile(zeile))
            return scheitern(leser.fehler());

        const QChar erstes = zeile.empty() ? QChar()
                                           : zeichen_tausch(QChar(cp1252::dekodiere(
                                                 static_cast<unsigned char>(zeile.front()))));
        if (erstes == u'#')
            continue;
        if ((erstes == u'[' && bereich_nr == 1) || (erstes == u']' && bereich_nr == 2)) {
            neu.append(klartext(zeile.substr(1)));
            continue;
        }
        if (bereich_nr != 0 || erstes == u'[' || erstes == u']')
            continue;

        const bool passt = teilstring.enthalten(zeile) || platzhalter.passt(zeile);
        if (!passt || gefundene_zeilen.contains(zeilennummer))
            continue;
        neu.append(klartext(zeile));
        gefundene_zeilen.insert(zeilennummer);
        if (++treffer == trefferGrenze)
            break;
    }
    leser.schliessen();

    anzeige.ergebnisseHinzufuegen(neu);
    anzeige.anzahlSetzen(meldungen::anzahl(anzeige.ergebnisAnzahl()));
    anzeige.suchtextMarkieren(0, anzeige.suchtext().size());
    return Ausgang::Erledigt;
}

Suchmaschine::Ausgang Suchmaschine::kategoriesuche(const QString &gewaehlt, SuchAnzeige &anzeige,
                                                   const std::function<bool()> &bestaetigen)
{
    if (gewaehlt == meldungen::versautName && !bestaetigen())
        return Ausgang::Abgelehnt;

    anhaengen = 1;
    anzeige.ergebnisseLeeren();
    gefundene_zeilen.clear();

    Ausgang ausgang = Ausgang::Erledigt;
    if (const int zeile = kategorien.zeileZu(gewaehlt); zeile > 0) {
        // The list is tested between passes only, so one pass may take it
        // from 99 to 199 entries.
        for (const QString &begriff : kategorien.suchbegriffe(zeile)) {
            suchbegriff = begriff;
            ausgang = suchlauf(anzeige);
            if (ausgang != Ausgang::Erledigt || anzeige.ergebnisAnzahl() >= trefferGrenze)
                break;
        }
    }
    anhaengen = 0;
    return ausgang;
}
