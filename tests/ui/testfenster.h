#pragma once

#include "form1.h"

#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Writes an archive of readable lines: each scrambled, in Windows-1252,
// joined by CR LF.
void archivSchreiben(const QString &pfad, const QStringList &zeilen);

// The real window on an archive of the test's own. Its message boxes are
// answered by the test, and its ending is recorded instead of ending the run.
class Testfenster {
public:
    // Without lines the archive is missing.
    explicit Testfenster(const QStringList &zeilen);
    explicit Testfenster(std::nullptr_t);

    Form1 &fenster() { return *m_fenster; }

    template <typename T> T *teil(const char *name) const
    {
        auto *gefunden = m_fenster->findChild<T *>(QLatin1StringView(name));
        if (!gefunden)
            qFatal("kein Steuerelement %s", name);
        return gefunden;
    }

    // Shows the window and waits until it has the keyboard.
    bool zeigen();
    // Shows it and closes the info panel with its button, as a user starts.
    bool zeigenOhneInfo();

    // A key for whichever control has the focus.
    static void taste(Qt::Key taste, Qt::KeyboardModifiers umschalter = Qt::NoModifier);
    static QWidget *fokus();

    QList<Meldung> meldungen;                              // the boxes shown, in order
    QMessageBox::StandardButton antwort = QMessageBox::Ok; // how each box is answered
    QList<int> beendet;                                    // exit statuses requested

private:
    void einrichten(const QString &archiv);

    QTemporaryDir m_ordner;
    std::unique_ptr<Form1> m_fenster;
};
