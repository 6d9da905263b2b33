// pack's text readers on arbitrary input, in every format and encoding, with
// and without --replace, against a plain reading of the same bytes: pack
// refuses what is no text, and what it accepts unpacks to the entries the
// plain reading finds, with nothing for unpack to warn about.
// Input: one byte of options (see Wahl), then the text.
#include "archive/archivzeile.h"
#include "archive/cp1252.h"
#include "fuzz/werkzeuglauf.h"
#include "tools/archivtext.h"
#include "tools/ersetzer.h"

#include <QStringDecoder>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace {

// The command line, from the bits of the first byte.
struct Wahl {
    bool fortune;
    bool windows1252;
    bool ersetzen;
    bool auslassen;
    qint16 bereich; // fortune only: lines carry their own markers

    explicit Wahl(std::uint8_t bits)
        : fortune(bits & 1), windows1252(bits & 2), ersetzen(bits & 4), auslassen(bits & 8),
          bereich(fortune ? qint16((bits >> 4) % 3) : 0)
    {
    }

    QStringList argumente() const
    {
        QStringList a{QStringLiteral("pack")};
        if (fortune)
            a << QStringLiteral("--format=fortune") << QStringLiteral("--area=%1").arg(bereich);
        if (windows1252)
            a << QStringLiteral("--encoding=windows-1252");
        if (ersetzen)
            a << QStringLiteral("--replace");
        if (auslassen)
            a << QStringLiteral("--skip");
        return a << QStringLiteral("-") << QStringLiteral("-");
    }
};

// The whole input decoded at once; nothing for invalid UTF-8. A byte order
// mark is dropped at the start of the input only.
std::optional<QString> dekodiert(QByteArray bytes, bool windows1252)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    if (windows1252)
        return cp1252::dekodiere(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                    QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

// The lines: LF or CR LF ends one; a CR elsewhere stays in its line.
QStringList zeilen(const QString &text)
{
    QStringList teile = text.split(u'\n');
    const QString rest = teile.takeLast(); // a last line without its line end, or nothing
    for (QString &zeile : teile) {
        if (zeile.endsWith(u'\r'))
            zeile.chop(1);
    }
    if (!rest.isEmpty())
        teile << rest;
    return teile;
}

// Whether an archive line can hold the text: a CR would end it early.
bool haltbar(const QString &text)
{
    const QList<uint> zeichen = text.toUcs4();
    return std::all_of(zeichen.begin(), zeichen.end(),
                       [](uint z) { return z != U'\r' && Ersetzer::haltbar(z); });
}

// Entries between lines of only "%", lines trimmed and joined by one space;
// nothing where a line of "%%" or no entry at all makes it no fortune file.
std::optional<QStringList> fortuneEintraege(const QStringList &zeilen)
{
    QStringList eintraege;
    QStringList teile;
    for (const QString &zeile : zeilen) {
        const QString getrimmt = zeile.trimmed();
        if (getrimmt == QStringLiteral("%%"))
            return std::nullopt;
        if (getrimmt == QStringLiteral("%")) {
            if (!teile.isEmpty())
                eintraege << teile.join(u' ');
            teile.clear();
        } else if (!getrimmt.isEmpty()) {
            teile << getrimmt;
        }
    }
    if (!teile.isEmpty())
        eintraege << teile.join(u' ');
    if (eintraege.isEmpty())
        return std::nullopt;
    return eintraege;
}

// The entries a plain reading finds, or nothing where the input is no text.
std::optional<QStringList> eintraege(const QByteArray &bytes, const Wahl &wahl)
{
    if (wahl.fortune && bytes.contains('\0'))
        return std::nullopt;
    const std::optional<QString> text = dekodiert(bytes, wahl.windows1252);
    if (!text)
        return std::nullopt;
    return wahl.fortune ? fortuneEintraege(zeilen(*text)) : zeilen(*text);
}

const Ersetzer &ersetzer()
{
    static const Ersetzer einer; // ICU's transliterators take a while to build
    return einer;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    if (groesse == 0)
        return 0;
    const Wahl wahl(daten[0]);
    const QByteArray text(reinterpret_cast<const char *>(daten) + 1, qsizetype(groesse - 1));
    const std::optional<QStringList> gelesen = eintraege(text, wahl);
    const Werkzeuglauf pack = werkzeugLaufen(wahl.argumente(), text);
    if (pack.status != 0 && (pack.status != 1 || !pack.aus.isEmpty()))
        std::abort(); // a refusal writes nothing
    if (!gelesen) {
        if (pack.status == 0)
            std::abort(); // no text, yet packed
        return 0;
    }

    // What the archive should hold, line by line, and whether pack may refuse
    // it: a marker at the start of a main-area entry without --skip, a
    // character no archive line can hold without --replace, or a CR.
    QByteArray erwartet;
    bool darfAblehnen = false;
    for (QString eintrag : *gelesen) {
        if (wahl.fortune && wahl.bereich == 0 && markeAmAnfang(eintrag)) {
            darfAblehnen |= !wahl.auslassen;
            continue;
        }
        if (wahl.bereich > 0)
            eintrag.prepend(wahl.bereich == 1 ? u'[' : u']');
        if (wahl.ersetzen)
            eintrag = ersetzer().ersetzen(eintrag, [](const QString &, const QString &) {});
        darfAblehnen |= !haltbar(eintrag);
        erwartet += eintrag.toUtf8() + '\n';
    }
    if (pack.status != 0) {
        if (!darfAblehnen)
            std::abort(); // a readable text refused
        return 0;
    }

    const Werkzeuglauf unpack = werkzeugLaufen(
        {QStringLiteral("unpack"), QStringLiteral("-"), QStringLiteral("-")}, pack.aus);
    if (unpack.status != 0 || !unpack.fehler.isEmpty() || unpack.aus != erwartet)
        std::abort();
    return 0;
}
