#pragma once

#include <QChar>
#include <QString>

// The archive's line codec: swaps characters in eleven fixed pairs. Applying it
// twice gives the input back, so the same routine scrambles and unscrambles.
QChar zeichen_tausch(QChar c);
QString zeichen_tausch(const QString &text);
