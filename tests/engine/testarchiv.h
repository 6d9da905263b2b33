#pragma once

#include "archivzeile.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

// Writes archives for tests: readable lines are scrambled and encoded the
// way the tool packs them, each followed by CR LF.
class Testarchiv {
public:
    Testarchiv() { QVERIFY(m_ordner.isValid()); }

    QString pfad() const { return m_ordner.filePath(QStringLiteral("sprho.dat")); }

    void schreiben(const QStringList &zeilen) const { schreibenRoh(kodieren(zeilen)); }

    void schreibenRoh(const QByteArray &bytes) const
    {
        QFile datei(pfad());
        QVERIFY(datei.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(datei.write(bytes), bytes.size());
    }

    static QByteArray kodieren(const QStringList &zeilen)
    {
        QByteArray alles;
        QByteArray zeile;
        for (const QString &text : zeilen) {
            if (archivzeile(text, zeile))
                qFatal("test line cannot be archived");
            alles += zeile + "\r\n";
        }
        return alles;
    }

    QString ordner() const { return m_ordner.path(); }

private:
    QTemporaryDir m_ordner;
};
