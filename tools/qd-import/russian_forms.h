#pragma once

#include <optional>
#include <string>

namespace qd_import {

// Forms made from a Russian adjective's dictionary form ("длинный"), for the
// English forms the source has no article of. Each gives nothing unless the
// translation is one adjective ending in -ый, -ий or -ой.

// "длинный" -> "длиннее", "хороший" -> "лучше"; "более X" where the short
// form is irregular in a way the rules do not know.
std::optional<std::string> comparative_of(const std::string& adjective);

// "длинный" -> "самый длинный", "хороший" -> "лучший".
std::optional<std::string> superlative_of(const std::string& adjective);

// "медленный" -> "медленно", "физический" -> "физически", "искренний" ->
// "искренне"; nothing where the ending leaves the adverb uncertain.
std::optional<std::string> adverb_of(const std::string& adjective);

}  // namespace qd_import
