#include "ui/textfeld.h"

#include <QPlainTextEdit>

namespace {

// Few enough paragraphs to insert quickly, short enough to lay out in a moment.
constexpr qsizetype absatzZeichen = 4096;

} // namespace

bool textSetzen(QPlainTextEdit &feld, const QString &text)
{
    // The same text again would change nothing but cost a new layout.
    if (textLaenge(feld) == text.size() && textLesen(feld) == text)
        return false;
    if (text.size() <= absatzZeichen) {
        feld.setPlainText(text);
        return true;
    }
    QString absaetze = text;
    QChar *zeichen = absaetze.data();
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < absaetze.size(); ++i) {
        if (zeichen[i] != u'\n')
            continue;
        if (i - anfang < absatzZeichen)
            zeichen[i] = QChar::LineSeparator;
        else
            anfang = i + 1;
    }
    feld.setPlainText(absaetze);
    return true;
}

QString textLesen(const QPlainTextEdit &feld)
{
    QString text = feld.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    text.replace(QChar::LineSeparator, u'\n');
    return text;
}

qsizetype textLaenge(const QPlainTextEdit &feld)
{
    // The document counts one paragraph end more than its text holds.
    return feld.document()->characterCount() - 1;
}
