#pragma once

#include <span>
#include <string_view>

// The words the generated archive is made of: everyday German as it turns up
// in short messages, umlauts, ß and punctuation included. All of it is
// Windows-1252, so every line can be written to an archive.
namespace wortschatz {

extern const std::span<const std::u16string_view> kleinwoerter; // pronouns, particles, articles
extern const std::span<const std::u16string_view> nomen;
extern const std::span<const std::u16string_view> verben;
extern const std::span<const std::u16string_view> adjektive;
extern const std::span<const std::u16string_view> einwuerfe; // greetings, smileys, short tags
extern const std::span<const std::u16string_view> satzenden;

} // namespace wortschatz
