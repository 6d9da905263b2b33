#include "tools/textleser.h"

#include "archive/cp1252.h"
#include "tools/abbruch.h"

Textleser::Textleser(QIODevice &ein, QString name, Format format, Kodierung kodierung)
    : m_ein(ein), m_name(std::move(name)), m_format(format), m_kodierung(kodierung)
{
    if (m_format == Format::Fortune)
        ortNennen();
    if (m_ein.peek(3) == "\xEF\xBB\xBF")
        m_ein.skip(3); // a byte order mark some editors write
}

bool Textleser::naechsteZeile(QString &zeile)
{
    if (m_ein.atEnd())
        return false;
    QByteArray bytes = m_ein.readLine();
    ++m_zeile;
    // CR LF ends a line; a CR without its LF (even at the very end of the
    // input) is a character in the line, which an archive line cannot hold.
    if (bytes.endsWith("\r\n"))
        bytes.chop(2);
    else if (bytes.endsWith('\n'))
        bytes.chop(1);
    if (m_format == Format::Fortune && bytes.contains('\0'))
        scheitern(QStringLiteral("%1Zeile %2: ein NUL-Byte; das ist keine Textdatei")
                      .arg(m_ort, QString::number(m_zeile)));
    if (m_kodierung == Kodierung::Windows1252) {
        zeile = cp1252::dekodiere(std::string_view(bytes.constData(), std::size_t(bytes.size())));
        return true;
    }
    zeile = m_utf8(bytes);
    if (m_utf8.hasError()) {
        m_utf8.resetState();
        scheitern(QStringLiteral("%1Zeile %2, Spalte %3: ungültiges UTF-8 (--encoding "
                                 "windows-1252 liest Windows-Dateien)")
                      .arg(m_ort, QString::number(m_zeile),
                           QString::number(zeile.indexOf(QChar::ReplacementCharacter) + 1)));
    }
    return true;
}

bool Textleser::naechster(Eintrag &eintrag)
{
    QString zeile;
    if (m_format == Format::Zeilen) {
        if (!naechsteZeile(zeile))
            return false;
        eintrag = {zeile, ++m_eintraege, m_zeile};
        return true;
    }
    QStringList teile;
    qint64 anfang = 0;
    for (;;) {
        const bool gelesen = naechsteZeile(zeile);
        const QString getrimmt = gelesen ? zeile.trimmed() : QString();
        if (getrimmt == QStringLiteral("%%"))
            scheitern(QStringLiteral("%1Zeile %2: „%%“ ist kein Trenner; Einträge trennt eine "
                                     "Zeile, die nur „%“ enthält")
                          .arg(m_ort, QString::number(m_zeile)));
        const bool endet = !gelesen || getrimmt == QStringLiteral("%");
        if (endet && !teile.isEmpty()) {
            eintrag = {teile.join(u' '), ++m_eintraege, anfang};
            return true;
        }
        if (!gelesen)
            return false;
        if (!endet && !getrimmt.isEmpty()) {
            if (teile.isEmpty())
                anfang = m_zeile;
            teile << getrimmt;
        }
    }
}
