#pragma once

#include "search/kategorie_tabelle.h"
#include "search/such_anzeige.h"

#include <QIODevice>
#include <QSet>
#include <QString>

#include <array>
#include <functional>
#include <memory>

class ArchivLeser;

// The search over the archive, shared by the window and the command-line tool.
// Terms go in as arguments; results and the count message go out to a
// SuchAnzeige. It knows no widgets.
class Suchmaschine {
public:
    enum class Ausgang { Erledigt, Abgelehnt, Fehler };

    static constexpr int trefferGrenze = 100; // main-area hits per pass

    // Opens the archive for one pass. Empty: the file archivPfad. Tests hand
    // in devices that fail.
    using Geraeteoeffner = std::function<std::unique_ptr<QIODevice>()>;

    explicit Suchmaschine(QString archivPfad, Geraeteoeffner oeffner = {});

    // Builds the category table; once, at start-up.
    void kateg_laden() { m_kategorien.kateg_laden(); }
    const KategorieTabelle &kategorien() const { return m_kategorien; }

    // The area the following passes list: 0 searches the main area, 1 and 2
    // list every entry of their list-only area.
    void bereichWaehlen(qint16 bereich) { bereich_nr = bereich; }

    // One search pass for begriff into an emptied list.
    [[nodiscard]] Ausgang suchlauf(const QString &begriff, SuchAnzeige &anzeige);

    // The category search for the chosen entry: up to six passes into one list.
    // bestaetigen is asked before the guarded category; a No gives Abgelehnt.
    [[nodiscard]] Ausgang kategoriesuche(const QString &gewaehlt, SuchAnzeige &anzeige,
                                         const std::function<bool()> &bestaetigen);

    // The passes of a category search for these terms, in one read of the
    // archive: each pass adds the lines its term fits that no earlier pass
    // listed, up to 100, and the chain ends after the pass that brings the
    // list to 100 or more.
    [[nodiscard]] Ausgang kette(const std::array<QString, 6> &begriffe, SuchAnzeige &anzeige);

    // Why the last pass failed, for people who keep archives; the window shows
    // its own fixed message instead.
    QString fehler() const { return m_fehler; }
    QString archivPfad() const { return m_archivPfad; }

private:
    std::unique_ptr<ArchivLeser> oeffnen();
    void hinzufuegen(const QStringList &neu, SuchAnzeige &anzeige);
    Ausgang scheitern(const QString &grund);

    QString suchbegriff;           // term of the current pass, trimmed
    QSet<qint64> gefundene_zeilen; // line numbers listed since the list was emptied
    qint16 anhaengen = 0;          // 1 while a category search adds to the list
    qint16 bereich_nr = 0;         // 0 main area, 1 "[" entries, 2 "]" entries
    qsizetype m_eintraege = 0;     // entries in the list since it was emptied

    KategorieTabelle m_kategorien;
    QString m_archivPfad;
    Geraeteoeffner m_oeffner;
    QString m_fehler;
};

// The term without leading and trailing spaces; other white space stays.
QString leerzeichenEntfernen(const QString &text);
