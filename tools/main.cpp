#include "tools/werkzeug.h"

#include "version.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("sprho-archiv"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(sprho::version));

    QFile ein;
    QFile aus;
    QFile fehler;
    if (!ein.open(stdin, QIODevice::ReadOnly) || !aus.open(stdout, QIODevice::WriteOnly) ||
        !fehler.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return status::fehler;

    Kanaele k{ein, aus, fehler, isatty(STDIN_FILENO) == 1};
    const int ergebnis = sprhoArchiv(QCoreApplication::arguments().sliced(1), k);
    if (!aus.flush())
        return status::fehler;
    return ergebnis;
}
