#pragma once

#include <QList>
#include <QString>

#include <memory>

// Replaces what an archive cannot hold by its closest Windows-1252 form, with
// ICU's transliteration (the library Qt itself uses): "―" becomes "-", "ő"
// becomes "o", "Ж" becomes "Ž"; what has no such form (an emoji, a control
// character) becomes "?".
class Ersetzer {
public:
    Ersetzer();
    ~Ersetzer();

    // Whether an archive line can hold the character as it is.
    static bool haltbar(char32_t zeichen);

    // The text with every character it cannot hold replaced; each replaced
    // character is reported to gemeldet (original, replacement).
    template <typename Meldung> QString ersetzen(const QString &text, Meldung gemeldet) const
    {
        QString ergebnis;
        for (const char32_t zeichen : vorbereitet(text).toUcs4()) {
            const QString eigenes = QString::fromUcs4(&zeichen, 1);
            if (haltbar(zeichen)) {
                ergebnis += eigenes;
                continue;
            }
            const QString ersatz = fuer(zeichen);
            gemeldet(eigenes, ersatz);
            ergebnis += ersatz;
        }
        return ergebnis;
    }

private:
    QString vorbereitet(const QString &text) const;
    QString fuer(char32_t zeichen) const;

    struct Umschriften; // ICU's, kept out of this header
    std::unique_ptr<Umschriften> m_umschriften;
};
