#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace sorvex {

// The 42 judgement results. W codes confirm a bonus (win mark "WIN"); P are
// plain results, U reach-me patterns the reels cannot stop on, N patterns
// that cannot occur or that miss a small win.
enum class MessageCode : std::uint8_t {
    W1,
    W2,
    W3,
    W4,
    W5,
    W6,
    W7,
    W8,
    W9,
    W10,
    W11,
    W12,
    W13,
    P1,
    P2,
    P3,
    P4,
    P5,
    P6,
    U1,
    U2,
    U3,
    U4,
    U5,
    U6,
    U7,
    U8,
    U9,
    U10,
    U11,
    U12,
    U13,
    U14,
    N1,
    N2,
    N3,
    N4,
    N5,
    N6,
    N7,
    N8,
    N9,
};

inline constexpr int messageCodeCount = 42;

namespace detail {
struct CodeFamily
{
    char letter;
    int first; // enum value of the family's number 1
    int count;
};
inline constexpr CodeFamily codeFamilies[] = {{'W', 0, 13}, {'P', 13, 6}, {'U', 19, 14}, {'N', 33, 9}};
} // namespace detail

constexpr bool isWin(MessageCode code)
{
    return code <= MessageCode::W13;
}

constexpr char codeLetter(MessageCode code)
{
    const int value = static_cast<int>(code);
    for (const auto &family : detail::codeFamilies) {
        if (value < family.first + family.count)
            return family.letter;
    }
    return '?';
}

constexpr int codeNumber(MessageCode code)
{
    const int value = static_cast<int>(code);
    for (const auto &family : detail::codeFamilies) {
        if (value < family.first + family.count)
            return value - family.first + 1;
    }
    return 0;
}

// "W9", "U14", ...
std::string_view codeName(MessageCode code);

// Parses "W9", "U14", ...; nothing for anything else.
constexpr std::optional<MessageCode> parseMessageCode(std::string_view name)
{
    if (name.size() < 2 || name.size() > 3)
        return std::nullopt;
    int number = 0;
    for (char digit : name.substr(1)) {
        if (digit < '0' || digit > '9')
            return std::nullopt;
        number = number * 10 + (digit - '0');
    }
    if (name[1] == '0')
        return std::nullopt;
    for (const auto &family : detail::codeFamilies) {
        if (family.letter == name[0] && number >= 1 && number <= family.count)
            return static_cast<MessageCode>(family.first + number - 1);
    }
    return std::nullopt;
}

} // namespace sorvex
