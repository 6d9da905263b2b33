#pragma once

#include <span>
#include <string_view>

// The words the generated archive is made of: everyday German as it turns up
// in short messages, umlauts, ß and punctuation included. All of it is
// Windows-1252, so every line can be written to an archive.
namespace wortschatz {

std::span<const std::u16string_view> kleinwoerter(); // pronouns, particles, articles
std::span<const std::u16string_view> nomen();
std::span<const std::u16string_view> verben();
std::span<const std::u16string_view> adjektive();
std::span<const std::u16string_view> einwuerfe(); // greetings, smileys, short tags
std::span<const std::u16string_view> satzenden();

} // namespace wortschatz
