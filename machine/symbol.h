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

// The name a player reads, in UTF-8: the judgement texts' names, and 青７
// for the blue seven, which the texts call only ７.
constexpr std::string_view symbolName(Symbol symbol)
{
    constexpr std::array<std::string_view, 7> names = {
            "赤７", "青７", "チェリー", "プラム", "リプレイ", "魚雷", "潜水艦",
    };
    return names[static_cast<std::size_t>(symbol)];
}

constexpr bool isSeven(Symbol symbol)
{
    return symbol == Symbol::RedSeven || symbol == Symbol::BlueSeven;
}

} // namespace sorvex
