// The archive reader against a plain reference splitter, on arbitrary bytes.
#include "archive/archiv_leser.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<std::string> referenz(const std::string &daten)
{
    std::vector<std::string> zeilen;
    std::string zeile;
    for (std::size_t i = 0; i < daten.size(); ++i) {
        if (daten[i] != '\r') {
            zeile += daten[i];
            continue;
        }
        zeilen.push_back(zeile);
        zeile.clear();
        if (i + 1 < daten.size() && daten[i + 1] == '\n')
            ++i;
    }
    if (!zeile.empty())
        zeilen.push_back(zeile);
    return zeilen;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    const std::string text(reinterpret_cast<const char *>(daten), groesse);
    QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    QBuffer geraet(&bytes);
    geraet.open(QIODevice::ReadOnly);
    ArchivLeser leser(geraet);
    if (!leser.oeffnen())
        std::abort();
    std::vector<std::string> gelesen;
    std::string_view zeile;
    while (leser.naechsteZeile(zeile))
        gelesen.emplace_back(zeile);
    if (leser.fehlgeschlagen() || gelesen != referenz(text))
        std::abort();
    return 0;
}
