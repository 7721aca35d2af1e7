#pragma once

namespace vorna {

// The script the interface speaks and the translation is written in:
// Cyrillic, or translit for desktops that cannot show Cyrillic.
enum class Script { cyrillic, translit };

}  // namespace vorna
