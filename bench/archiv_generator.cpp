#include "bench/archiv_generator.h"

#include "archive/archivzeile.h"
#include "archive/zeichen_tausch.h"
#include "search/kategorie_tabelle.h"

#include <QDirIterator>
#include <QFile>

#include <algorithm>

namespace {

// Whether a pass for begriff would list text. The substring test compares the
// scrambled forms lower-cased; the wildcard test covers the whole text in exact
// case, where plain forms do as well, since the codec swaps single characters.
bool trifft(const QString &text, const QString &begriff)
{
    if (zeichen_tausch(text).toLower().contains(zeichen_tausch(begriff).toLower()))
        return true;
    const QStringList teile = begriff.split(u'*');
    if (teile.size() < 2 || !text.startsWith(teile.first()) || !text.endsWith(teile.last()))
        return false;
    qsizetype pos = teile.first().size(); // each middle part at its leftmost place
    for (qsizetype i = 1; i + 1 < teile.size() && pos >= 0; ++i) {
        pos = text.indexOf(teile[i], pos);
        pos = pos < 0 ? pos : pos + teile[i].size();
    }
    return pos >= 0 && pos <= text.size() - teile.last().size();
}

// The kind of a line: 0 an entry of the main area, 1 a comment, 2 and 3 the
// entries of areas 1 and 2.
std::size_t artVon(const QString &zeile)
{
    const QByteArray erstes = zeile.left(1).toLatin1();
    const auto gelesen =
        eintrag(std::string_view(erstes.constData(), static_cast<std::size_t>(erstes.size())));
    return !gelesen                ? 1
           : gelesen->bereich == 0 ? 0
                                   : static_cast<std::size_t>(gelesen->bereich) + 1;
}

// The kind of the archive's line (numbered from 0): one line in every 40 is
// a comment, one an entry of area 1 and one of area 2.
std::size_t art(std::int64_t zeile)
{
    const std::int64_t r = zeile % 40;
    return r == 0 ? 1 : r == 10 ? 2 : r == 30 ? 3 : 0;
}

QString fehler(const QFile &datei)
{
    return QStringLiteral("%1: %2").arg(datei.fileName(), datei.errorString());
}

} // namespace

QStringList messbegriffe::kategorieBegriffe()
{
    KategorieTabelle tabelle;
    tabelle.kateg_laden();
    const auto begriffe = tabelle.suchbegriffe(tabelle.zeileZu(kategorie));
    return {begriffe.begin(), begriffe.end()};
}

QStringList messbegriffe::alle()
{
    return QStringList{ohneTreffer, sterne, liebeDich, weihnacht} + kategorieBegriffe();
}

std::optional<QString> archivErzeugen(const QString &pfad, const ArchivPlan &plan,
                                      ArchivUmfang *umfang)
{
    QStringList fern = plan.nie; // counted words, too, stand only where they are put
    for (const auto &[wort, n] : plan.gezaehlt)
        fern.append(wort);
    std::array<QStringList, 4> vorrat;
    for (QDirIterator texte(QStringLiteral(":/texte")); texte.hasNext();) {
        QFile datei(texte.next());
        const QString inhalt =
            datei.open(QIODevice::ReadOnly) ? QString::fromUtf8(datei.readAll()) : QString();
        for (const QString &z : inhalt.split(u'\n', Qt::SkipEmptyParts)) {
            const std::size_t a = artVon(z);
            // Room for the line number within a message's 160 characters.
            const bool passt =
                z.size() <= 150 && std::none_of(fern.begin(), fern.end(),
                                                [&](const QString &b) { return trifft(z, b); });
            if (a > 0 || passt)
                vorrat[a].append(z);
        }
    }
    if (std::any_of(vorrat.begin(), vorrat.end(), [](const auto &v) { return v.isEmpty(); }))
        return QStringLiteral("die Begriffe lassen von einer Zeilenart nichts übrig");
    std::int64_t haupt = 0;
    for (std::int64_t i = 0; i < plan.zeilen; ++i)
        haupt += art(i) == 0;
    for (const auto &[wort, n] : plan.gezaehlt) {
        if (n < 0 || n > haupt)
            return QStringLiteral("„%1“ soll in %2 von %3 Zeilen stehen")
                .arg(wort, QString::number(n), QString::number(haupt));
    }

    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fehler(datei);
    std::array<std::int64_t, 4> genommen{};
    QByteArray roh;
    for (std::int64_t i = 0; i < plan.zeilen; ++i) {
        const std::size_t a = art(i);
        const std::int64_t j = genommen[a]++;
        QString text = vorrat[a][static_cast<qsizetype>(j % vorrat[a].size())];
        if (a == 0) {
            QString einschub = u' ' + QString::number(i + 1);
            for (const auto &[wort, n] : plan.gezaehlt) {
                if ((j + 1) * n / haupt > j * n / haupt) // n of the haupt lines, evenly spread
                    einschub += u' ' + wort;
            }
            const qsizetype luecke = text.indexOf(u' ');
            text.insert(luecke < 0 ? text.size() : luecke, einschub);
        }
        if (const auto falsch = archivzeile(text, roh))
            return QStringLiteral("Spalte %1 passt nicht ins Archiv: %2")
                .arg(QString::number(falsch->spalte), text);
        if (datei.write(roh + "\r\n") < 0)
            return fehler(datei);
    }
    if (!datei.flush())
        return fehler(datei);
    if (umfang)
        *umfang = {datei.size(), {genommen[0], genommen[2], genommen[3]}};
    return std::nullopt;
}
