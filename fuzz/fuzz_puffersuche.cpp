// The engine's block scan against the plain line-by-line reference, on any
// archive and any terms, in every area, as a pass and as a chain.
// Input: one byte for how many bytes each read hands out, then up to six
// terms (UTF-8) separated by 0x1F, a NUL byte, and the archive's bytes.
#include "search/speicher_anzeige.h"
#include "tests/fehlgeraet.h"
#include "tests/referenzsuche.h"

#include <cstdint>
#include <cstdlib>

namespace {

void pruefen(bool bedingung)
{
    if (!bedingung)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    if (groesse < 1)
        return 0;
    const QByteArray alles(reinterpret_cast<const char *>(daten + 1), qsizetype(groesse - 1));
    const qint64 jeLesen = daten[0] % 8 == 0 ? qint64(1) << 30 : daten[0] % 8;
    const qsizetype trenner = alles.indexOf('\0');
    if (trenner < 0)
        return 0;
    const QByteArray archiv = alles.sliced(trenner + 1);
    std::array<QString, 6> begriffe;
    begriffe.fill(QStringLiteral("###"));
    const QList<QByteArray> teile = alles.first(trenner).split('\x1f');
    for (qsizetype i = 0; i < teile.size() && i < 6; ++i)
        begriffe[std::size_t(i)] = QString::fromUtf8(teile[i]);

    for (qint16 bereich = 0; bereich <= 2; ++bereich) {
        for (const bool kette : {false, true}) {
            Referenzsuche referenz(archiv, bereich);
            kette ? referenz.kette(begriffe) : referenz.suchlauf(begriffe[0]);
            Suchmaschine maschine(QStringLiteral("sprho.dat"), [&] {
                return std::make_unique<Fehlgeraet>(archiv, -1, jeLesen);
            });
            maschine.bereichWaehlen(bereich);
            SpeicherAnzeige anzeige;
            const auto ausgang = kette ? maschine.kette(begriffe, anzeige)
                                       : maschine.suchlauf(begriffe[0], anzeige);
            pruefen(ausgang == Suchmaschine::Ausgang::Erledigt);
            pruefen(anzeige.eintraege() == referenz.eintraege);
            pruefen(anzeige.anzahlMeldung() == referenz.meldung);
            pruefen(maschine.gelisteteZeilen() == referenz.zeilen);
        }
    }
    return 0;
}
