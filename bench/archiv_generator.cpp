#include "bench/archiv_generator.h"

#include "archive/archivzeile.h"
#include "bench/wortschatz.h"
#include "bench/zufall.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <deque>

namespace {

constexpr qsizetype kuerzesteZeile = 40;
constexpr qsizetype laengsteZeile = 160;

using Liste = std::vector<QString>;

// The vocabulary without any word a counted or forbidden term would find.
Liste gefiltert(std::span<const std::u16string_view> woerter, const ArchivPlan &plan)
{
    Liste ergebnis;
    for (const std::u16string_view w : woerter) {
        const QString wort = QString::fromUtf16(w.data(), static_cast<qsizetype>(w.size()));
        const auto stoert = [&](const QString &begriff) {
            return wort.contains(begriff, Qt::CaseInsensitive);
        };
        const bool raus = std::any_of(plan.nie.begin(), plan.nie.end(), stoert) ||
                          std::any_of(plan.gezaehlt.begin(), plan.gezaehlt.end(),
                                      [&](const GezaehltesWort &g) { return stoert(g.wort); });
        if (!raus)
            ergebnis.push_back(wort);
    }
    return ergebnis;
}

class Texter {
public:
    Texter(const ArchivPlan &plan, Zufall &zufall)
        : m_klein(gefiltert(wortschatz::kleinwoerter, plan)),
          m_nomen(gefiltert(wortschatz::nomen, plan)),
          m_verben(gefiltert(wortschatz::verben, plan)),
          m_adjektive(gefiltert(wortschatz::adjektive, plan)),
          m_einwuerfe(gefiltert(wortschatz::einwuerfe, plan)),
          m_enden(gefiltert(wortschatz::satzenden, plan)), m_zufall(zufall)
    {
    }

    bool vollstaendig() const
    {
        return !m_klein.empty() && !m_nomen.empty() && !m_verben.empty() && !m_adjektive.empty() &&
               !m_einwuerfe.empty() && !m_enden.empty();
    }

    // One message of 40 to 160 characters; every word of pflicht is in it.
    QString nachricht(std::deque<QString> pflicht)
    {
        // The larger of two draws: most messages use much of the 160.
        const auto spanne = static_cast<std::uint64_t>(laengsteZeile - kuerzesteZeile + 1);
        const qsizetype ziel =
            kuerzesteZeile +
            static_cast<qsizetype>(std::max(m_zufall.bis(spanne), m_zufall.bis(spanne)));
        QString text;
        qsizetype pflichtEnde = 0;
        int satzWoerter = 0;
        int satzLaenge = neueSatzlaenge();
        while (text.size() < ziel || !pflicht.empty()) {
            QString wort;
            // Counted words go in early, well before any cut at the end.
            const bool gezaehlt =
                !pflicht.empty() && (text.size() >= ziel / 2 || m_zufall.bis(3) == 0);
            if (gezaehlt) {
                wort = pflicht.front();
                pflicht.pop_front();
            } else {
                wort = naechstesWort();
            }
            if (satzWoerter == 0)
                wort[0] = wort[0].toUpper();
            if (!text.isEmpty())
                text += satzWoerter > 0 && m_zufall.bis(9) == 0 ? QStringLiteral(", ")
                                                                : QStringLiteral(" ");
            text += wort;
            if (gezaehlt)
                pflichtEnde = text.size();
            if (++satzWoerter >= satzLaenge) {
                text += waehle(m_enden);
                satzWoerter = 0;
                satzLaenge = neueSatzlaenge();
            }
        }
        if (satzWoerter > 0)
            text += waehle(m_enden);
        if (text.size() > laengsteZeile) {
            // A cut never takes a counted word with it: the counts must hold.
            text.truncate(std::max(text.lastIndexOf(u' ', laengsteZeile - 4), pflichtEnde));
            if (text.endsWith(u','))
                text.chop(1);
            text += u'!';
        }
        return text;
    }

private:
    int neueSatzlaenge() { return 3 + static_cast<int>(m_zufall.bis(9)); }

    const QString &waehle(const Liste &liste) { return liste[m_zufall.bis(liste.size())]; }

    const QString &naechstesWort()
    {
        const auto r = m_zufall.bis(20);
        if (r < 8)
            return waehle(m_klein);
        if (r < 12)
            return waehle(m_nomen);
        if (r < 16)
            return waehle(m_verben);
        if (r < 19)
            return waehle(m_adjektive);
        return waehle(m_einwuerfe);
    }

    Liste m_klein, m_nomen, m_verben, m_adjektive, m_einwuerfe, m_enden;
    Zufall &m_zufall;
};

// Draws without replacement: k of the remaining n, each with the right odds,
// so exact counts come out while the file streams.
bool ziehe(Zufall &zufall, std::int64_t &k, std::int64_t n)
{
    if (k <= 0 || static_cast<std::int64_t>(zufall.bis(static_cast<std::uint64_t>(n))) >= k)
        return false;
    --k;
    return true;
}

class Schreiber {
public:
    explicit Schreiber(const QString &pfad) : m_datei(pfad) {}

    bool oeffnen() { return m_datei.open(QIODevice::WriteOnly | QIODevice::Truncate); }

    std::optional<QString> zeile(const QString &text)
    {
        if (const auto falsch = archivzeile(text, m_zeile)) {
            return QStringLiteral("Zeichen U+%1 passt nicht ins Archiv: %2")
                .arg(static_cast<uint>(falsch->zeichen), 4, 16, QLatin1Char('0'))
                .arg(text);
        }
        m_block += m_zeile;
        m_block += "\r\n";
        m_bytes += m_zeile.size() + 2;
        if (m_block.size() >= 1 << 20)
            return leeren();
        return std::nullopt;
    }

    std::optional<QString> leeren()
    {
        if (m_datei.write(m_block) != m_block.size())
            return m_datei.errorString();
        m_block.clear();
        return std::nullopt;
    }

    std::int64_t bytes() const { return m_bytes; }

private:
    QFile m_datei;
    QByteArray m_zeile;
    QByteArray m_block;
    std::int64_t m_bytes = 0;
};

} // namespace

std::optional<QString> archivErzeugen(const QString &pfad, const ArchivPlan &plan,
                                      ArchivUmfang *umfang)
{
    std::int64_t haupt = plan.zeilen - plan.bereich1 - plan.bereich2 - plan.kommentare;
    if (plan.bereich1 < 0 || plan.bereich2 < 0 || plan.kommentare < 0 || haupt < 0)
        return QStringLiteral("die Zeilenarten ergeben mehr als %1 Zeilen").arg(plan.zeilen);
    for (const GezaehltesWort &g : plan.gezaehlt) {
        if (g.zeilen < 0 || g.zeilen > haupt)
            return QStringLiteral("„%1“ soll in %2 Zeilen stehen, es gibt nur %3")
                .arg(g.wort)
                .arg(g.zeilen)
                .arg(haupt);
    }

    Zufall zufall(plan.saat);
    Texter texter(plan, zufall);
    if (!texter.vollstaendig())
        return QStringLiteral("die Begriffe lassen vom Wortschatz eine Wortart ganz leer");

    Schreiber schreiber(pfad);
    if (!schreiber.oeffnen())
        return QStringLiteral("%1 lässt sich nicht schreiben").arg(pfad);

    if (umfang)
        *umfang = {plan.zeilen, 0, haupt};
    std::int64_t kommentare = plan.kommentare;
    std::int64_t bereich1 = plan.bereich1;
    std::int64_t bereich2 = plan.bereich2;
    std::vector<std::int64_t> offen;
    for (const GezaehltesWort &g : plan.gezaehlt)
        offen.push_back(g.zeilen);

    for (std::int64_t rest = plan.zeilen; rest > 0; --rest) {
        QString text;
        if (rest == plan.zeilen && kommentare > 0) {
            --kommentare;
            text = QStringLiteral("# Spruchhort – erzeugtes Archiv für Messungen");
        } else if (ziehe(zufall, kommentare, rest)) {
            text = QChar(u'#') + texter.nachricht({});
        } else if (ziehe(zufall, bereich1, rest - kommentare)) {
            text = QChar(u'[') + texter.nachricht({});
        } else if (ziehe(zufall, bereich2, rest - kommentare - bereich1)) {
            text = QChar(u']') + texter.nachricht({});
        } else {
            std::deque<QString> pflicht;
            for (std::size_t i = 0; i < offen.size(); ++i) {
                if (ziehe(zufall, offen[i], haupt))
                    pflicht.push_back(plan.gezaehlt[i].wort);
            }
            --haupt;
            text = texter.nachricht(std::move(pflicht));
        }
        if (auto fehler = schreiber.zeile(text))
            return fehler;
    }
    if (auto fehler = schreiber.leeren())
        return fehler;
    if (umfang)
        umfang->bytes = schreiber.bytes();
    return std::nullopt;
}
