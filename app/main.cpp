#include "ui/form1.h"

#include "version.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication programm(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Spruchhort"));
    QApplication::setApplicationVersion(QString::fromLatin1(sprho::version));
    QIcon symbol;
    symbol.addFile(QStringLiteral(":/sprho/sprho-16.xpm"));
    symbol.addFile(QStringLiteral(":/sprho/sprho-32.xpm"));
    QApplication::setWindowIcon(symbol);

    // Qt's own texts (Ja/Nein in message boxes) in the user's language.
    QTranslator qtTexte;
    if (qtTexte.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);

    // Verdana is not on every system; this face keeps text at about its width.
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));

    Form1 fenster;
    fenster.show();
    return QApplication::exec();
}
