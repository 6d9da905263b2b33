#include "archive/cp1252.h"

#include <array>

namespace cp1252 {
namespace {

// 0x80 to 0x9F; zero marks the undefined bytes.
constexpr std::array<char16_t, 32> bereich80{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,      //
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

} // namespace

bool istUndefiniert(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 && bereich80[byte - 0x80u] == 0;
}

char16_t dekodiere(unsigned char byte)
{
    if (byte < 0x80 || byte >= 0xA0 || istUndefiniert(byte))
        return byte;
    return bereich80[byte - 0x80u];
}

std::optional<unsigned char> kodiere(char16_t zeichen)
{
    if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF) ||
        (zeichen < 0xA0 && istUndefiniert(static_cast<unsigned char>(zeichen))))
        return static_cast<unsigned char>(zeichen);
    for (unsigned i = 0; i < bereich80.size(); ++i) {
        if (bereich80[i] != 0 && bereich80[i] == zeichen)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

QString dekodiere(std::string_view bytes)
{
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar *ziel = text.data();
    for (const char b : bytes)
        *ziel++ = QChar(dekodiere(static_cast<unsigned char>(b)));
    return text;
}

} // namespace cp1252
