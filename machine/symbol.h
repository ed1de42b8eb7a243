#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace sorvex {

enum class Symbol : std::uint8_t {
    RedSeven,
    BlueSeven,
    Cherry,
    Plum,
    Replay,
    Torpedo,
    Submersible,
};

inline constexpr std::array<Symbol, 7> allSymbols = {
        Symbol::RedSeven, Symbol::BlueSeven, Symbol::Cherry,      Symbol::Plum,
        Symbol::Replay,   Symbol::Torpedo,   Symbol::Submersible,
};

// The identifier, e.g. "RedSeven".
constexpr std::string_view symbolId(Symbol symbol)
{
    constexpr std::array<std::string_view, 7> ids = {
            "RedSeven", "BlueSeven", "Cherry", "Plum", "Replay", "Torpedo", "Submersible",
    };
    return ids[static_cast<std::size_t>(symbol)];
}

constexpr bool isSeven(Symbol symbol)
{
    return symbol == Symbol::RedSeven || symbol == Symbol::BlueSeven;
}

} // namespace sorvex
