#pragma once

#include "messagecode.h"

#include <array>
#include <string_view>

namespace sorvex {

// A sub-table: the message code for every (middle, right) top-row index
// pair, cells[t2 - 1][t3 - 1].
struct SubTable
{
    std::array<std::array<MessageCode, 21>, 21> cells {};

    constexpr MessageCode cell(int t2, int t3) const { return cells[t2 - 1][t3 - 1]; }
    constexpr bool operator==(const SubTable &) const = default;
};

// Reads a sub-table written one row per line as
//
//     middle indices | otherwise | exceptions
//
// e.g. "4, 7, 17 | U1 | W1: 3, 6, 11, 12, 16, 20; N1: g2". The middle indices
// are a comma-separated list; every middle index 1..21 appears in exactly one
// row. Exceptions are "-" or semicolon-separated "CODE: items", where an item
// is a right index, a run "x-y", or one of the right-index groups g1..g4; no
// right index may appear twice in one row. Blank lines are ignored.
//
// Malformed notation throws, which in a constant expression is a compile
// error pointing at the offending step.
namespace notation {

struct NotationError
{
    const char *what;
};

constexpr std::string_view trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// Splits off the text before the first separator; the rest stays in text.
constexpr std::string_view takeUntil(std::string_view &text, char separator)
{
    const std::size_t at = text.find(separator);
    const std::string_view head = text.substr(0, at);
    text = at == std::string_view::npos ? std::string_view() : text.substr(at + 1);
    return trim(head);
}

constexpr int parseIndex(std::string_view text)
{
    text = trim(text);
    if (text.empty() || text.size() > 2)
        throw NotationError {"index expected"};
    int value = 0;
    for (char digit : text) {
        if (digit < '0' || digit > '9')
            throw NotationError {"index is not a number"};
        value = value * 10 + (digit - '0');
    }
    if (value < 1 || value > 21)
        throw NotationError {"index outside 1..21"};
    return value;
}

constexpr MessageCode parseCode(std::string_view text)
{
    const auto code = parseMessageCode(trim(text));
    if (!code)
        throw NotationError {"unknown message code"};
    return *code;
}

// The right indices that show plum and replay in the same rows.
inline constexpr std::array<std::array<int, 5>, 4> rightIndexGroups = {{
        {1, 5, 9, 14, 18},
        {2, 6, 10, 15, 19},
        {3, 7, 11, 16, 20},
        {4, 8, 13, 17, 21},
}};

using RightSet = std::array<bool, 22>;

constexpr void addItem(RightSet &set, std::string_view item)
{
    item = trim(item);
    if (item.size() == 2 && item[0] == 'g') {
        const int group = item[1] - '1';
        if (group < 0 || group > 3)
            throw NotationError {"unknown right-index group"};
        for (int index : rightIndexGroups[group])
            set[index] = true;
        return;
    }
    if (const std::size_t dash = item.find('-'); dash != std::string_view::npos) {
        const int first = parseIndex(item.substr(0, dash));
        const int last = parseIndex(item.substr(dash + 1));
        if (first > last)
            throw NotationError {"run runs backwards"};
        for (int index = first; index <= last; ++index)
            set[index] = true;
        return;
    }
    set[parseIndex(item)] = true;
}

constexpr void parseRow(SubTable &table, std::array<bool, 22> &middleSeen, std::string_view line)
{
    const std::string_view middles = takeUntil(line, '|');
    const MessageCode otherwise = parseCode(takeUntil(line, '|'));
    std::string_view exceptions = trim(line);
    if (exceptions.empty())
        throw NotationError {"row has no exceptions column"};

    std::array<MessageCode, 21> row {};
    row.fill(otherwise);
    if (exceptions != "-") {
        RightSet listed {};
        while (!exceptions.empty()) {
            std::string_view entry = takeUntil(exceptions, ';');
            const MessageCode code = parseCode(takeUntil(entry, ':'));
            RightSet items {};
            while (!entry.empty())
                addItem(items, takeUntil(entry, ','));
            for (int t3 = 1; t3 <= 21; ++t3) {
                if (!items[t3])
                    continue;
                if (listed[t3])
                    throw NotationError {"right index listed twice in one row"};
                listed[t3] = true;
                row[t3 - 1] = code;
            }
        }
    }

    std::string_view middleList = middles;
    if (trim(middleList).empty())
        throw NotationError {"row has no middle indices"};
    while (!middleList.empty()) {
        const int t2 = parseIndex(takeUntil(middleList, ','));
        if (middleSeen[t2])
            throw NotationError {"middle index in two rows"};
        middleSeen[t2] = true;
        table.cells[t2 - 1] = row;
    }
}

} // namespace notation

constexpr SubTable parseSubTable(std::string_view rows)
{
    SubTable table {};
    std::array<bool, 22> middleSeen {};
    while (!rows.empty()) {
        const std::string_view line = notation::takeUntil(rows, '\n');
        if (!line.empty())
            notation::parseRow(table, middleSeen, line);
    }
    for (int t2 = 1; t2 <= 21; ++t2) {
        if (!middleSeen[t2])
            throw notation::NotationError {"a middle index has no row"};
    }
    return table;
}

} // namespace sorvex
