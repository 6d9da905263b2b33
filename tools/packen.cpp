#include "archive/archiv_leser.h"
#include "archive/archivzeile.h"
#include "tools/abbruch.h"
#include "tools/archivsuche.h"
#include "tools/archivtext.h"
#include "tools/ausgabeziel.h"
#include "tools/befehle.h"
#include "tools/befehlszeile.h"
#include "tools/eingabequelle.h"
#include "tools/textleser.h"
#include "tools/verlustpruefung.h"

#include <QFileInfo>

#include <memory>
#include <optional>
#include <vector>

namespace {

const QString formatName = QStringLiteral("format");
const QString fortuneName = QStringLiteral("fortune");
const QString erzwingenName = QStringLiteral("force");

// The lines the output will hold, kept unless nothing is there to lose: the
// output is standard output or a device, or --force replaces it anyway.
std::optional<Zeilenbestand> bestandFuer(const QString &ausgabe, const Befehlszeile &zeile)
{
    if (zeile.gesetzt(erzwingenName) || !ersetztDatei(ausgabe))
        return std::nullopt;
    return Zeilenbestand();
}

// --format lines|fortune, shared by pack and unpack; --area only goes with
// fortune files, whose entries carry no marker of their own.
Textleser::Format formatAus(Befehlszeile &zeile)
{
    const QString format = zeile.wertVon(formatName);
    if (zeile.gesetzt(formatName) && format != QStringLiteral("lines") && format != fortuneName)
        falschBedient(QStringLiteral("--format erwartet lines oder fortune"));
    if (format != fortuneName && zeile.bereichGenannt())
        falschBedient(QStringLiteral("--area gilt nur mit --format fortune"));
    return format == fortuneName ? Textleser::Format::Fortune : Textleser::Format::Zeilen;
}

Textleser::Kodierung kodierungAus(const Befehlszeile &zeile)
{
    const QString name = zeile.wertVon(QStringLiteral("encoding"));
    if (name.isEmpty() || name.compare(QStringLiteral("utf-8"), Qt::CaseInsensitive) == 0)
        return Textleser::Kodierung::Utf8;
    if (name.compare(QStringLiteral("windows-1252"), Qt::CaseInsensitive) == 0)
        return Textleser::Kodierung::Windows1252;
    falschBedient(QStringLiteral("--encoding erwartet utf-8 oder windows-1252"));
}

// The output replaces its file only at the end, so an input named again as
// the output would be read whole and then lost: a forgotten output name at
// the end of a long list of files does just that.
void nichtUeberschreiben(const QString &ausgabe, const QStringList &eingaben)
{
    const QString ziel = QFileInfo(ausgabe).canonicalFilePath();
    for (const QString &eingabe : eingaben) {
        if (!ziel.isEmpty() && eingabe != QStringLiteral("-") &&
            QFileInfo(eingabe).canonicalFilePath() == ziel)
            falschBedient(
                QStringLiteral("„%1“ ist Eingabe und Ausgabe zugleich; sie würde überschrieben")
                    .arg(ausgabe));
    }
}

// What pack writes, entry by entry, and what it tells at the end.
class Packer {
public:
    Packer(Ausgabeziel &ziel, Textleser::Format format, qint16 bereich, bool auslassen,
           bool ersetzen, Zeilenbestand *bestand, Kanaele &k)
        : m_ziel(ziel), m_fortune(format == Textleser::Format::Fortune), m_bereich(bereich),
          m_auslassen(auslassen), m_bestand(bestand), m_k(k)
    {
        if (ersetzen)
            m_ersetzungen.emplace();
    }

    void aufnehmen(const Textleser::Eintrag &eintrag, const QString &dateiOrt)
    {
        const QString ort =
            m_fortune
                ? QStringLiteral("%1Eintrag %2 (Zeile %3), ")
                      .arg(dateiOrt, QString::number(eintrag.nummer),
                           QString::number(eintrag.zeile))
                : QStringLiteral("%1Zeile %2, ").arg(dateiOrt, QString::number(eintrag.zeile));
        QString text = eintrag.text;
        if (m_fortune) {
            if (m_bereich == 0 && markeAmAnfang(text)) {
                const QString grund =
                    QStringLiteral("%1beginnt mit „%2“ und würde als Kommentar oder Listeneintrag "
                                   "gelesen")
                        .arg(ort, *markeAmAnfang(text));
                if (!m_auslassen)
                    scheitern(grund + QStringLiteral(" (--skip lässt ihn aus)"));
                m_k.melden(QStringLiteral("sprho-archiv: ausgelassen: ") + grund);
                ++m_ausgelassen;
                return;
            }
            text = mitBereichsmarke(text, m_bereich);
        }
        if (m_ersetzungen)
            text = m_ersetzungen->ersetzen(text, ort);
        const QByteArray zeile = archivzeileFuer(text, ort);
        if (m_bestand)
            m_bestand->aufnehmen(zeile);
        m_ziel.schreiben(zeile + "\r\n");
        if (!text.startsWith(QChar::fromLatin1(kommentarMarke)))
            ++m_geschrieben;
    }

    QString zusammenfassung() const
    {
        const qint64 ersetzt = m_ersetzungen ? m_ersetzungen->anzahl() : 0;
        return QStringLiteral("sprho-archiv: Einträge geschrieben: %1, ausgelassen: %2, Zeichen "
                              "ersetzt: %3%4")
            .arg(m_geschrieben)
            .arg(m_ausgelassen)
            .arg(ersetzt)
            .arg(m_ersetzungen ? m_ersetzungen->beispiele() : QString());
    }

private:
    Ausgabeziel &m_ziel;
    bool m_fortune;
    qint16 m_bereich;
    bool m_auslassen;
    Zeilenbestand *m_bestand; // null: nothing to check
    Kanaele &m_k;
    std::optional<Ersetzungen> m_ersetzungen;
    qint64 m_geschrieben = 0;
    qint64 m_ausgelassen = 0;
};

// Tells about an archive line that would not come back unchanged from the
// text unpack writes.
void warnen(Kanaele &k, qint64 nummer, std::string_view zeile, bool fortune)
{
    const Zeilenmaengel maengel = zeilenmaengel(zeile);
    if (maengel.einzelnesLf && !fortune) {
        k.melden(QStringLiteral("Warnung: Zeile %1 enthält einen Zeilenvorschub ohne "
                                "Wagenrücklauf; ausgepackt wird daraus ein Zeilenumbruch")
                     .arg(nummer));
    }
    for (const std::size_t i : maengel.undefiniert) {
        k.melden(QStringLiteral("Warnung: Zeile %1, Spalte %2: Byte 0x%3 ist in "
                                "Windows-1252 undefiniert und lässt sich nicht "
                                "zurückpacken")
                     .arg(nummer)
                     .arg(i + 1)
                     .arg(static_cast<unsigned char>(zeile[i]), 2, 16, QLatin1Char('0')));
    }
}

// A fortune file trims and joins lines and ends entries at "%": what does not
// survive that is reported.
bool fortuneTreu(const QString &text)
{
    return text == text.trimmed() && !text.contains(u'\n') && text != QStringLiteral("%") &&
           text != QStringLiteral("%%");
}

} // namespace

// Readable texts (archive lines, or fortune files) into a scrambled archive.
int packen(const QStringList &argumente, Kanaele &k)
{
    Befehlszeile zeile(QStringLiteral("pack"));
    zeile.lesen(argumente);
    QStringList eingaben = zeile.argumente();
    if (eingaben.size() < 2)
        falschBedient(QStringLiteral("pack erwartet EINGABE und AUSGABE"));
    const QString ausgabe = eingaben.takeLast();
    if (eingaben.count(QStringLiteral("-")) > 1)
        falschBedient(QStringLiteral("„-“ (Standardeingabe) darf nur einmal stehen"));
    nichtUeberschreiben(ausgabe, eingaben);
    const Textleser::Format format = formatAus(zeile);
    const Textleser::Kodierung kodierung = kodierungAus(zeile);

    std::vector<std::unique_ptr<Eingabequelle>> quellen;
    for (const QString &pfad : std::as_const(eingaben))
        quellen.push_back(std::make_unique<Eingabequelle>(pfad, k.ein));
    std::vector<QIODevice *> geraete;
    geraete.reserve(quellen.size());
    for (const auto &quelle : quellen)
        geraete.push_back(&quelle->oeffnen());
    Ausgabeziel ziel(ausgabe, k.aus);
    ziel.oeffnen();
    std::optional<Zeilenbestand> bestand = bestandFuer(ausgabe, zeile);
    Packer packer(ziel, format, zeile.bereich(), zeile.gesetzt(QStringLiteral("skip")),
                  zeile.ersetzen(), bestand ? &*bestand : nullptr, k);
    for (std::size_t i = 0; i < geraete.size(); ++i) {
        Textleser leser(*geraete[i], eingaben[qsizetype(i)], format, kodierung);
        if (eingaben.size() > 1)
            leser.ortNennen();
        Textleser::Eintrag eintrag;
        qint64 anzahl = 0;
        while (leser.naechster(eintrag)) {
            packer.aufnehmen(eintrag, leser.ort());
            ++anzahl;
        }
        if (format == Textleser::Format::Fortune && anzahl == 0)
            scheitern(QStringLiteral("„%1“ enthält keinen Eintrag").arg(eingaben[qsizetype(i)]));
    }
    if (bestand) {
        // The way back for a text packed from one file: unpack into it.
        const bool eineDatei = format == Textleser::Format::Zeilen && eingaben.size() == 1 &&
                               eingaben.first() != QStringLiteral("-");
        bestand->abschliessen();
        archivVerlustAbweisen(ausgabe, *bestand,
                              QStringLiteral("„sprho-archiv unpack ") + ausgabe + u' ' +
                                  (eineDatei ? eingaben.first() : QStringLiteral("TEXTDATEI")) +
                                  QStringLiteral("“ holt sie erst in den Text"));
    }
    ziel.abschliessen();
    k.melden(packer.zusammenfassung());
    return status::ok;
}

// The inverse of pack: every line as readable text, or the entries of one
// area as a fortune file. What would not come back unchanged is reported.
int entpacken(const QStringList &argumente, Kanaele &k)
{
    Befehlszeile zeile(QStringLiteral("unpack"));
    zeile.lesen(argumente);
    const QStringList pfade = zeile.argumente();
    if (pfade.isEmpty() || pfade.size() > 2)
        falschBedient(QStringLiteral("unpack erwartet [ARCHIV] AUSGABE"));
    const bool fortune = formatAus(zeile) == Textleser::Format::Fortune;
    const QString archiv = pfade.size() == 2 ? pfade.first() : archivsuche::finden();
    nichtUeberschreiben(pfade.last(), {archiv});

    Eingabequelle quelle(archiv, k.ein);
    QIODevice &ein = quelle.oeffnen();
    Ausgabeziel ziel(pfade.last(), k.aus);
    ziel.oeffnen();
    std::optional<Zeilenbestand> bestand = bestandFuer(pfade.last(), zeile);
    ArchivLeser leser(ein);
    if (!leser.oeffnen())
        scheitern(leser.fehler());
    qint64 nummer = 0;
    std::string_view roh;
    while (leser.naechsteZeile(roh)) {
        ++nummer;
        if (!fortune) {
            warnen(k, nummer, roh, false);
            const QByteArray text = klartext(roh).toUtf8();
            if (bestand)
                bestand->textAufnehmen(text);
            ziel.schreiben(text + '\n');
            continue;
        }
        const auto gelesen = eintrag(roh);
        if (!gelesen || gelesen->bereich != zeile.bereich())
            continue;
        warnen(k, nummer, roh, true);
        const QString text = klartext(gelesen->text);
        if (text.isEmpty()) {
            k.melden(QStringLiteral("Warnung: Zeile %1: ein leerer Eintrag hat in einer "
                                    "Fortune-Datei keinen Platz und fehlt darin")
                         .arg(nummer));
            continue;
        }
        if (!fortuneTreu(text))
            k.melden(QStringLiteral("Warnung: Zeile %1: der Eintrag kommt aus der Fortune-Datei "
                                    "nicht unverändert zurück (Leerraum am Rand, Zeilenumbruch "
                                    "oder nur „%“)")
                         .arg(nummer));
        const QByteArray bytes = text.toUtf8();
        if (bestand) {
            bestand->textAufnehmen(bytes);
            bestand->aufnehmen("%");
        }
        ziel.schreiben(bytes + "\n%\n");
    }
    if (leser.fehlgeschlagen())
        scheitern(leser.fehler());
    if (bestand) {
        // Packing the text replaces the whole archive: the way back only for
        // a text of all its lines, from an archive that is a file.
        const QString zurueck = QStringLiteral("in eine neue Datei auspacken und beide "
                                               "zusammenführen");
        bestand->abschliessen();
        textVerlustAbweisen(pfade.last(), *bestand,
                            fortune || archiv == QStringLiteral("-")
                                ? zurueck
                                : QStringLiteral("„sprho-archiv pack ") + pfade.last() + u' ' +
                                      archiv +
                                      QStringLiteral("“ bringt sie erst ins Archiv (lehnt "
                                                     "auch das ab: ") +
                                      zurueck + u')');
    }
    ziel.abschliessen();
    return status::ok;
}
