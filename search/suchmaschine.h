#pragma once

#include "search/kategorie_tabelle.h"
#include "search/such_anzeige.h"

#include <QSet>
#include <QString>

#include <functional>

// The search over the archive, shared by the window and the command-line tool.
// It holds the search state and drives a SuchAnzeige; it knows no widgets.
class Suchmaschine {
public:
    enum class Ausgang { Erledigt, Abgelehnt, Fehler };

    static constexpr int trefferGrenze = 100; // main-area hits per pass

    explicit Suchmaschine(QString archivPfad);

    // The search state, as the window has always called it.
    QString suchbegriff;           // term of the current pass, trimmed
    QSet<qint64> gefundene_zeilen; // line numbers listed since the list was cleared
    qint16 anhaengen = 0;          // 1 while a category search adds to the list
    qint16 bereich_nr = 0;         // 0 main area, 1 "[" entries, 2 "]" entries
    KategorieTabelle kategorien;

    // One search pass. Erledigt or Fehler; on Fehler see fehler().
    [[nodiscard]] Ausgang suchlauf(SuchAnzeige &anzeige);

    // The category search for the chosen entry: up to six passes into one list.
    // bestaetigen is asked before the guarded category; a No gives Abgelehnt.
    [[nodiscard]] Ausgang kategoriesuche(const QString &gewaehlt, SuchAnzeige &anzeige,
                                         const std::function<bool()> &bestaetigen);

    // Why the last pass failed, for people who keep archives; the window shows
    // its own fixed message instead.
    QString fehler() const { return m_fehler; }
    QString archivPfad() const { return m_archivPfad; }

private:
    Ausgang scheitern(const QString &grund);

    QString m_archivPfad;
    QString m_fehler;
};

// The term without leading and trailing spaces; other white space stays.
QString leerzeichenEntfernen(const QString &text);
