#pragma once

#include "strips.h"

#include <array>
#include <string_view>

namespace sorvex {

// A pay line runs through one whole row of each reel, left to right.
struct PayLine
{
    std::string_view name;
    std::array<Row, 3> rows;
    int medalsToActivate;
};

// With the three-medal bet that every judgement assumes, all five count.
inline constexpr std::array<PayLine, 5> payLines = {{
        {"middle", {Row::Middle, Row::Middle, Row::Middle}, 1},
        {"top", {Row::Top, Row::Top, Row::Top}, 2},
        {"bottom", {Row::Bottom, Row::Bottom, Row::Bottom}, 2},
        {"falling", {Row::Top, Row::Middle, Row::Bottom}, 3},
        {"rising", {Row::Bottom, Row::Middle, Row::Top}, 3},
}};

} // namespace sorvex
