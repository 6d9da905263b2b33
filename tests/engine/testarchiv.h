#pragma once

#include "archive/archivzeile.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

// A sprho.dat in a folder of its own. Readable lines are written the way the
// tool packs them: scrambled, Windows-1252, each ended by CR LF.
class Testarchiv {
public:
    QString pfad() const { return m_ordner.filePath(QStringLiteral("sprho.dat")); }
    QString ordner() const { return m_ordner.path(); }

    void schreiben(const QStringList &zeilen) const
    {
        QByteArray alles;
        QByteArray zeile;
        for (const QString &text : zeilen) {
            QVERIFY(!archivzeile(text, zeile));
            alles += zeile + "\r\n";
        }
        schreibenRoh(alles);
    }

    void schreibenRoh(const QByteArray &bytes) const
    {
        QFile datei(pfad());
        QVERIFY(datei.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(datei.write(bytes), bytes.size());
    }

private:
    QTemporaryDir m_ordner;
};
