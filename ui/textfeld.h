#pragma once

#include <QString>

class QPlainTextEdit;

// The current text in its multi-line box, whatever its length. The box lays
// out a paragraph whole as soon as a part of it shows, and each paragraph
// costs the document microseconds to insert: a text of hundreds of thousands
// of lines would take seconds. A long text is therefore put in as paragraphs of
// a few thousand characters whose inner line breaks are line separators; the
// box shows both alike and gives both back as line breaks. A text the box
// already holds is left as it is: false then, as no change event came.
bool textSetzen(QPlainTextEdit &feld, const QString &text);

// The box's text with every line break as "\n" and no-break spaces kept
// (toPlainText() would turn them into plain ones).
QString textLesen(const QPlainTextEdit &feld);

// Its length in characters, without copying it.
qsizetype textLaenge(const QPlainTextEdit &feld);
