#include "strips.h"

namespace sorvex {

namespace {
using enum Symbol;

constexpr Strip leftStrip = {
        RedSeven, Cherry,  Torpedo, Plum,        Replay,  BlueSeven, Cherry, Torpedo, Plum, Replay, Torpedo,
        RedSeven, Torpedo, Plum,    Submersible, Torpedo, Plum,      Replay, Torpedo, Plum, Replay,
};

constexpr Strip middleStrip = {
        RedSeven, Cherry, Replay, Plum, BlueSeven, Replay, Plum,      Submersible, Submersible, Replay,  Cherry,
        Plum,     Cherry, Replay, Plum, Torpedo,   Cherry, BlueSeven, Replay,      Plum,        Torpedo,
};

constexpr Strip rightStrip = {
        RedSeven,    Plum,        Replay,   Cherry, Torpedo, Plum,   Replay,  BlueSeven, Cherry, Plum,   Replay,
        Submersible, Submersible, RedSeven, Plum,   Replay,  Cherry, Torpedo, Plum,      Replay, Cherry,
};
} // namespace

const Strip &strip(Reel reel)
{
    switch (reel) {
    case Reel::Left:
        return leftStrip;
    case Reel::Middle:
        return middleStrip;
    case Reel::Right:
        break;
    }
    return rightStrip;
}

Symbol symbolAt(Reel reel, int topRowIndex, Row row)
{
    return strip(reel)[wrapTopRowIndex(topRowIndex + static_cast<int>(row)) - 1];
}

} // namespace sorvex
