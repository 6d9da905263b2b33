#include "tools/naechster_name.h"

#include <algorithm>
#include <vector>

namespace {

// Levenshtein distance, one row of the table at a time.
qsizetype abstand(const QString &a, const QString &b)
{
    std::vector<qsizetype> zeile(std::size_t(b.size()) + 1);
    for (std::size_t j = 0; j < zeile.size(); ++j)
        zeile[j] = qsizetype(j);
    for (qsizetype i = 0; i < a.size(); ++i) {
        qsizetype diagonal = zeile[0];
        zeile[0] = i + 1;
        for (qsizetype j = 0; j < b.size(); ++j) {
            const qsizetype oben = zeile[std::size_t(j) + 1];
            zeile[std::size_t(j) + 1] =
                std::min({oben + 1, zeile[std::size_t(j)] + 1, diagonal + (a[i] != b[j] ? 1 : 0)});
            diagonal = oben;
        }
    }
    return zeile.back();
}

} // namespace

std::optional<QString> naechsterName(const QString &getippt, const QStringList &namen)
{
    const QString klein = getippt.toLower();
    const qsizetype erlaubt = std::max<qsizetype>(1, getippt.size() / 3);
    std::optional<QString> bester;
    qsizetype besterAbstand = erlaubt + 1;
    for (const QString &name : namen) {
        const qsizetype d = abstand(klein, name.toLower());
        if (d < besterAbstand) {
            besterAbstand = d;
            bester = name;
        }
    }
    return bester;
}
