#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <string_view>

// Windows-1252, the archive's 8-bit encoding, by a table of our own so that the
// result never depends on which codecs the system's ICU happens to carry.
namespace cp1252 {

// The five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// decode to the C1 control with the same number, as Windows itself does.
char16_t dekodiere(unsigned char byte);
bool istUndefiniert(unsigned char byte);

// The byte for a character, or nothing when Windows-1252 cannot hold it.
// U+0081 and its four kin go back to their undefined bytes, so that a text
// read from an archive finds itself; archive lines are written without them.
std::optional<unsigned char> kodiere(char16_t zeichen);

QString dekodiere(std::string_view bytes);

} // namespace cp1252
