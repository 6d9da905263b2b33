#include "testfenster.h"

#include "cp1252.h"
#include "zeichen_tausch.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>

void archivSchreiben(const QString &pfad, const QStringList &zeilen)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        if (i > 0)
            bytes += "\r\n";
        for (const QChar c : zeichen_tausch(zeilen[i])) {
            const auto byte = cp1252::kodiere(c.unicode());
            if (!byte)
                qFatal("nicht in Windows-1252: %s", qPrintable(zeilen[i]));
            bytes += static_cast<char>(*byte);
        }
    }
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(bytes) != bytes.size())
        qFatal("Archiv nicht geschrieben: %s", qPrintable(pfad));
}

Testfenster::Testfenster(const QStringList &zeilen)
{
    const QString archiv = m_ordner.filePath(QStringLiteral("sprho.dat"));
    archivSchreiben(archiv, zeilen);
    einrichten(archiv);
}

Testfenster::Testfenster(std::nullptr_t)
{
    einrichten(m_ordner.filePath(QStringLiteral("fehlt.dat")));
}

void Testfenster::einrichten(const QString &archiv)
{
    m_fenster = std::make_unique<Form1>(archiv);
    m_fenster->setMeldungsanzeige([this](QWidget *, const Meldung &meldung) {
        meldungen.append(meldung);
        return antwort;
    });
    m_fenster->setBeenden([this](int status) { beendet.append(status); });
}

bool Testfenster::zeigen()
{
    m_fenster->show();
    m_fenster->activateWindow();
    return QTest::qWaitForWindowActive(m_fenster.get());
}

bool Testfenster::zeigenOhneInfo()
{
    if (!zeigen())
        return false;
    QTest::mouseClick(teil<QPushButton>("Command1"), Qt::LeftButton);
    return !teil<QWidget>("infoframe")->isVisible();
}

void Testfenster::taste(Qt::Key taste, Qt::KeyboardModifiers umschalter)
{
    QTest::keyClick(fokus(), taste, umschalter);
}

QWidget *Testfenster::fokus()
{
    QWidget *widget = QApplication::focusWidget();
    if (!widget)
        qFatal("kein Steuerelement hat den Fokus");
    return widget;
}
