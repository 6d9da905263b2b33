#include "tools/ersetzer.h"

#include "archive/cp1252.h"
#include "tools/abbruch.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>

namespace {

std::unique_ptr<icu::Transliterator> umschrift(const char *kennung)
{
    UErrorCode fehler = U_ZERO_ERROR;
    std::unique_ptr<icu::Transliterator> t(icu::Transliterator::createInstance(
        icu::UnicodeString::fromUTF8(kennung), UTRANS_FORWARD, fehler));
    if (U_FAILURE(fehler) || !t)
        scheitern(QStringLiteral("die Umschrift „%1“ fehlt in ICU: %2")
                      .arg(QLatin1StringView(kennung), QLatin1StringView(u_errorName(fehler))));
    return t;
}

bool ganzHaltbar(const QString &text)
{
    for (const char32_t zeichen : text.toUcs4()) {
        if (!Ersetzer::haltbar(zeichen))
            return false;
    }
    return !text.isEmpty();
}

} // namespace

// Two steps, nearest first: into Latin script (which keeps "Ž", "é"), and only
// where that is not enough on to plain ASCII.
struct Ersetzer::Umschriften {
    std::unique_ptr<icu::Transliterator> lateinisch = umschrift("Any-Latin");
    std::unique_ptr<icu::Transliterator> ascii = umschrift("Any-Latin; Latin-ASCII");
};

Ersetzer::Ersetzer() : m_umschriften(std::make_unique<Umschriften>()) {}

Ersetzer::~Ersetzer() = default;

bool Ersetzer::haltbar(char32_t zeichen)
{
    if (zeichen > 0xFFFF)
        return false;
    const auto byte = cp1252::kodiere(static_cast<char16_t>(zeichen));
    return byte && !cp1252::istUndefiniert(*byte);
}

// Composed first, so that a letter written with a separate accent becomes the
// one character Windows-1252 has for it. Text that can be held stays as it is.
QString Ersetzer::vorbereitet(const QString &text) const
{
    return ganzHaltbar(text) ? text : text.normalized(QString::NormalizationForm_C);
}

QString Ersetzer::fuer(char32_t zeichen) const
{
    for (const auto *t : {m_umschriften->lateinisch.get(), m_umschriften->ascii.get()}) {
        icu::UnicodeString umgeschrieben(static_cast<UChar32>(zeichen));
        t->transliterate(umgeschrieben);
        QString ersatz(reinterpret_cast<const QChar *>(umgeschrieben.getBuffer()),
                       umgeschrieben.length());
        if (ganzHaltbar(ersatz))
            return ersatz;
    }
    return QStringLiteral("?");
}
