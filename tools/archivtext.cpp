#include "tools/archivtext.h"

#include "archive/archivzeile.h"
#include "tools/abbruch.h"

namespace {

// Places named in the summary; the count tells the rest.
constexpr qsizetype beispielAnzahl = 3;

QString codepunkt(char32_t zeichen)
{
    return QStringLiteral("U+") +
           QString::number(static_cast<uint>(zeichen), 16).toUpper().rightJustified(4, u'0');
}

QString zeichenName(char32_t zeichen)
{
    if (zeichen == U'\r')
        return QStringLiteral("Wagenrücklauf (CR) innerhalb der Zeile");
    return QStringLiteral("%1 ist in Windows-1252 nicht darstellbar (--replace ersetzt es)")
        .arg(codepunkt(zeichen));
}

} // namespace

QByteArray archivzeileFuer(const QString &text, const QString &ort)
{
    QByteArray bytes;
    if (const auto falsch = archivzeile(text, bytes))
        scheitern(QStringLiteral("%1Spalte %2: %3")
                      .arg(ort, QString::number(falsch->spalte), zeichenName(falsch->zeichen)));
    return bytes;
}

QString Ersetzungen::ersetzen(const QString &text, const QString &ort)
{
    return m_ersetzer.ersetzen(text, [&](const QString &alt, const QString &neu) {
        if (++m_anzahl <= beispielAnzahl)
            // The code point too: a stray control character shows as nothing.
            m_beispiele << QStringLiteral("%1: „%2“ (%3) → „%4“")
                               .arg(ort.chopped(2), alt, codepunkt(alt.toUcs4().value(0)), neu);
    });
}

QString Ersetzungen::beispiele() const
{
    if (m_beispiele.isEmpty())
        return {};
    const QString weitere = m_anzahl > beispielAnzahl ? QStringLiteral("; …") : QString();
    return QStringLiteral(" (%1%2)").arg(m_beispiele.join(QStringLiteral("; ")), weitere);
}
