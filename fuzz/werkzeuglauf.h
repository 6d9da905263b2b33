#pragma once

#include "tools/werkzeug.h"

#include <QBuffer>
#include <QByteArray>
#include <QStringList>

// One in-process run of sprho-archiv over memory: what goes in on standard
// input, what comes out on standard output and on standard error.
struct Werkzeuglauf {
    int status;
    QByteArray aus;
    QByteArray fehler;
};

inline Werkzeuglauf werkzeugLaufen(const QStringList &argumente, QByteArray eingabe)
{
    Werkzeuglauf lauf{0, {}, {}};
    QBuffer ein(&eingabe);
    QBuffer aus(&lauf.aus);
    QBuffer fehler(&lauf.fehler);
    ein.open(QIODevice::ReadOnly);
    aus.open(QIODevice::WriteOnly);
    fehler.open(QIODevice::WriteOnly);
    Kanaele k{ein, aus, fehler};
    lauf.status = sprhoArchiv(argumente, k);
    return lauf;
}
