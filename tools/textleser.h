#pragma once

#include <QIODevice>
#include <QString>
#include <QStringDecoder>

// Reads the texts pack takes in, entry by entry, from one input.
//
// Zeilen: one archive line per line, markers included, ended by LF or CR LF.
// Fortune: entries separated by lines that hold only "%"; an entry's lines are
// trimmed, empty ones dropped and the rest joined by one space; entries that
// end up empty are dropped.
//
// Input that cannot be read as text ends the run with its place named.
class Textleser {
public:
    enum class Format { Zeilen, Fortune };
    enum class Kodierung { Utf8, Windows1252 };

    struct Eintrag {
        QString text;
        qint64 nummer; // the entry's number in its input, counted from 1
        qint64 zeile;  // the line it starts on
    };

    Textleser(QIODevice &ein, QString name, Format format, Kodierung kodierung);

    // The next entry; false at the end of the input.
    [[nodiscard]] bool naechster(Eintrag &eintrag);

    // "„name“, " when the input's name belongs in messages, else empty.
    QString ort() const { return m_ort; }
    void ortNennen() { m_ort = QStringLiteral("„%1“, ").arg(m_name); }

private:
    [[nodiscard]] bool naechsteZeile(QString &zeile);

    QIODevice &m_ein;
    QString m_name;
    QString m_ort;
    Format m_format;
    Kodierung m_kodierung;
    // Stateless: a byte order mark inside a line is a character, not dropped.
    QStringDecoder m_utf8{QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                      QStringConverter::Flag::ConvertInitialBom};
    qint64 m_zeile = 0;
    qint64 m_eintraege = 0;
};
