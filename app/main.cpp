#include "app/aufruf.h"
#include "ui/form1.h"

#include "version.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <vector>

int main(int argc, char *argv[])
{
    QStringList argumente;
    for (int i = 1; i < argc; ++i)
        argumente.append(QString::fromLocal8Bit(argv[i]));
    const Aufruf aufruf = aufrufLesen(argumente);
    if (aufruf.ende)
        return *aufruf.ende;

    // The toolkit sees only what is its own: an archive named like one of its
    // options stays the archive.
    QByteArrayList qtArgumente{argv[0]};
    for (const QString &argument : aufruf.qtArgumente)
        qtArgumente.append(argument.toLocal8Bit());
    std::vector<char *> qtArgv(static_cast<std::size_t>(qtArgumente.size()) + 1, nullptr);
    std::transform(qtArgumente.begin(), qtArgumente.end(), qtArgv.begin(),
                   [](QByteArray &argument) { return argument.data(); });
    int qtArgc = static_cast<int>(qtArgumente.size());

    QApplication programm(qtArgc, qtArgv.data());
    QApplication::setApplicationName(QStringLiteral("Spruchhort"));
    // Docks and task bars link the window to its desktop entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.spruchhort"));
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

    Form1 fenster(aufruf.archiv);
    fenster.show();
    return QApplication::exec();
}
