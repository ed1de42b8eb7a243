// The judgement tables are keyed by top-row indices alone, but they were
// written from the symbols on the reels. These checks hold every one of the
// 9261 cells against what its pattern shows, so a slip in either the tables
// or the strips shows up here.
#include "judge/subtables.h"
#include "machine/stoppattern.h"

#include <QTest>

#include <functional>
#include <set>

using namespace sorvex;
using enum MessageCode;
using enum Symbol;

namespace {

struct Cell
{
    StopPattern pattern;
    MessageCode code;
};

const std::vector<Cell> &allCells()
{
    static const std::vector<Cell> cells = [] {
        std::vector<Cell> built;
        for (int t1 = 1; t1 <= 21; ++t1)
            for (int t2 = 1; t2 <= 21; ++t2)
                for (int t3 = 1; t3 <= 21; ++t3)
                    built.push_back({{t1, t2, t3}, cellCode(t1, t2, t3)});
        return built;
    }();
    return cells;
}

QString describe(const Cell &cell)
{
    return QStringLiteral("(%1, %2, %3) judged %4")
            .arg(cell.pattern.t1)
            .arg(cell.pattern.t2)
            .arg(cell.pattern.t3)
            .arg(QString::fromLatin1(codeName(cell.code)));
}

bool hasLineWin(const StopPattern &pattern, LineWin win)
{
    for (const PayLineWin &lineWinOnPattern : lineWins(pattern)) {
        if (lineWinOnPattern.win == win)
            return true;
    }
    return false;
}

bool anyPayLine(const StopPattern &pattern, const std::function<bool(const std::array<Symbol, 3> &)> &test)
{
    for (const PayLine &payLine : payLines) {
        if (test(pattern.line(payLine)))
            return true;
    }
    return false;
}

bool codeIn(MessageCode code, std::initializer_list<MessageCode> codes)
{
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

bool sameColourSevens(const std::array<Symbol, 3> &symbols)
{
    return isSeven(symbols[0]) && symbols[0] == symbols[1] && symbols[1] == symbols[2];
}

bool leftReelShowsCherry(const StopPattern &pattern)
{
    for (Row row : {Row::Top, Row::Middle, Row::Bottom}) {
        if (pattern.symbol(Reel::Left, row) == Cherry)
            return true;
    }
    return false;
}

std::array<Symbol, 3> wholeRows(Reel reel, int topRowIndex)
{
    return {symbolAt(reel, topRowIndex, Row::Top), symbolAt(reel, topRowIndex, Row::Middle),
            symbolAt(reel, topRowIndex, Row::Bottom)};
}

// A pay line whose left and middle cells are the start of a small line win
// (plum, submersible-plum, replay or torpedo) and whose right cell misses it.
bool missesOnTheRight(const std::array<Symbol, 3> &symbols)
{
    if (lineWin(symbols) != LineWin::None)
        return false;
    const auto [left, middle, right] = symbols;
    return (middle == Plum && (left == Plum || left == Submersible))
            || (middle == Replay && (left == Replay || left == Submersible)) || (middle == Torpedo && left == Torpedo);
}

} // namespace

class TestStopPatternReading : public QObject
{
    Q_OBJECT

private slots:
    void sevenLinesAreExactlyTheBigCells()
    {
        int sevenLines = 0;
        for (const Cell &cell : allCells()) {
            const bool sevens = hasLineWin(cell.pattern, LineWin::Sevens);
            const bool big = cell.code >= W9 && cell.code <= W13;
            QVERIFY2(sevens == big, qPrintable(describe(cell)));
            sevenLines += sevens;
        }
        QCOMPARE(sevenLines, 30);
    }

    void submersiblePlumLinesAreExactlyP5()
    {
        int count = 0;
        for (const Cell &cell : allCells()) {
            const bool line = hasLineWin(cell.pattern, LineWin::SubmersiblePlum);
            QVERIFY2(line == (cell.code == P5), qPrintable(describe(cell)));
            count += line;
        }
        QCOMPARE(count, 125);
    }

    void smallLinesAreJudgedAsTheirWinOrAsCompound()
    {
        int torpedoExceptions = 0;
        for (const Cell &cell : allCells()) {
            if (hasLineWin(cell.pattern, LineWin::Plums))
                QVERIFY2(codeIn(cell.code, {P4, W2, W5, N1}), qPrintable(describe(cell)));
            if (hasLineWin(cell.pattern, LineWin::Replays))
                QVERIFY2(codeIn(cell.code, {P2, N1}), qPrintable(describe(cell)));
            if (hasLineWin(cell.pattern, LineWin::Torpedoes) && !codeIn(cell.code, {P6, W3, W4, W6, N1})) {
                QVERIFY2(cell.pattern.t1 == 11 && cell.code == N3, qPrintable(describe(cell)));
                ++torpedoExceptions;
            }
        }
        QCOMPARE(torpedoExceptions, 6);
    }

    void threeTorpedoesOnLeftIndex11CannotStop()
    {
        const StopPattern pattern {11, 14, 3};
        QCOMPARE(pattern.across(Row::Bottom), (std::array<Symbol, 3> {Torpedo, Torpedo, Torpedo}));
        QCOMPARE(cellCode(11, 14, 3), N3);
    }

    void cherryWin()
    {
        for (const Cell &cell : allCells()) {
            const bool cherry = leftCherryWins(cell.pattern);
            if (cell.code == P3)
                QVERIFY2(cherry, qPrintable(describe(cell)));
            else if (cherry)
                QVERIFY2(codeIn(cell.code, {W1, W9, N1}) || codeLetter(cell.code) == 'U', qPrintable(describe(cell)));
        }
    }

    // A cherry on the left reel with a plum, replay or torpedo line is a
    // pair the machine cannot stop on: exactly the N1 cells.
    void compoundWinsAreExactlyN1()
    {
        int withPlums = 0;
        int withReplays = 0;
        int withTorpedoes = 0;
        for (const Cell &cell : allCells()) {
            const StopPattern &pattern = cell.pattern;
            const bool cherry = leftReelShowsCherry(pattern);
            const bool plums = hasLineWin(pattern, LineWin::Plums) || hasLineWin(pattern, LineWin::SubmersiblePlum);
            const bool replays = hasLineWin(pattern, LineWin::Replays);
            const bool torpedoes = hasLineWin(pattern, LineWin::Torpedoes);
            const bool compound = cherry && (plums || replays || torpedoes);
            QVERIFY2(compound == (cell.code == N1), qPrintable(describe(cell)));
            if (compound) {
                withPlums += plums;
                withReplays += replays;
                withTorpedoes += torpedoes;
            }
        }
        QCOMPARE(withPlums, 100);
        QCOMPARE(withReplays, 100);
        QCOMPARE(withTorpedoes, 24);
    }

    void sevensOutsideTheFrame()
    {
        std::multiset<MessageCode> outsideSevens;
        for (const Cell &cell : allCells()) {
            const std::array<Symbol, 3> above = cell.pattern.across(Row::AboveFrame);
            const std::array<Symbol, 3> below = cell.pattern.across(Row::BelowFrame);
            if (cell.code == W7)
                QVERIFY2(above == (std::array<Symbol, 3> {RedSeven, RedSeven, RedSeven}), qPrintable(describe(cell)));
            if (cell.code == W8)
                QVERIFY2(sameColourSevens(below), qPrintable(describe(cell)));
            if (sameColourSevens(above) || sameColourSevens(below))
                outsideSevens.insert(cell.code);
        }
        QCOMPARE(outsideSevens.size(), std::size_t(12));
        QCOMPARE(outsideSevens.count(W7), std::size_t(2));
        QCOMPARE(outsideSevens.count(W8), std::size_t(4));
        QCOMPARE(outsideSevens.count(P3), std::size_t(4));
        QCOMPARE(outsideSevens.count(P1), std::size_t(2));
        QCOMPARE(StopPattern({13, 2, 2}).across(Row::AboveFrame),
                 (std::array<Symbol, 3> {RedSeven, RedSeven, RedSeven}));
        QCOMPARE(StopPattern({3, 2, 5}).across(Row::BelowFrame),
                 (std::array<Symbol, 3> {BlueSeven, BlueSeven, BlueSeven}));
    }

    void reachMeIsKeyedByPositionNotByWhatShows()
    {
        for (int t1 : {8, 16, 19})
            QCOMPARE(wholeRows(Reel::Left, t1), wholeRows(Reel::Left, 3));
        QCOMPARE(wholeRows(Reel::Left, 3), (std::array<Symbol, 3> {Torpedo, Plum, Replay}));
        QCOMPARE(wholeRows(Reel::Left, 7), wholeRows(Reel::Left, 2));
        QCOMPARE(wholeRows(Reel::Left, 17), wholeRows(Reel::Left, 9));

        const auto differing = [](int leftA, int leftB) {
            int count = 0;
            for (int t2 = 1; t2 <= 21; ++t2)
                for (int t3 = 1; t3 <= 21; ++t3)
                    count += cellCode(leftA, t2, t3) != cellCode(leftB, t2, t3);
            return count;
        };
        QCOMPARE(differing(8, 3), 80);
        QCOMPARE(differing(16, 3), 123);
        QCOMPARE(differing(19, 3), 15);
        QCOMPARE(differing(7, 2), 0);
        QCOMPARE(differing(17, 9), 0);
    }

    void namedShapesOfTheUTexts()
    {
        for (const Cell &cell : allCells()) {
            const StopPattern &p = cell.pattern;
            const QByteArray where = describe(cell).toUtf8();
            switch (cell.code) {
            case U1:
                QVERIFY2(p.t1 == 1 || p.t1 == 6, where);
                QVERIFY2(isSeven(p.symbol(Reel::Left, Row::Top)) && p.symbol(Reel::Left, Row::Middle) == Cherry
                                 && p.symbol(Reel::Left, Row::Bottom) == Torpedo,
                         where);
                break;
            case U2:
                QVERIFY2(p.t3 == 12, where);
                QVERIFY2(wholeRows(Reel::Right, p.t3) == (std::array<Symbol, 3> {Submersible, Submersible, RedSeven}),
                         where);
                break;
            case U4:
                QVERIFY2(p.t1 == 11, where);
                QVERIFY2(wholeRows(Reel::Left, p.t1) == (std::array<Symbol, 3> {Torpedo, RedSeven, Torpedo}), where);
                break;
            case U5:
                QVERIFY2(p.t1 == 5 || p.t1 == 21, where);
                QVERIFY2(isSeven(p.symbol(Reel::Left, Row::Middle)) && p.symbol(Reel::Left, Row::Bottom) == Cherry,
                         where);
                QVERIFY2(isSeven(p.symbol(Reel::Right, Row::Middle)), where);
                break;
            case U7:
            case U8:
                QVERIFY2(anyPayLine(p, missesOnTheRight), where);
                break;
            case U9:
                QVERIFY2(anyPayLine(p, [](const auto &s) { return s[0] == Plum && s[1] == Plum && s[2] != Plum; }),
                         where);
                break;
            case U10:
                QVERIFY2(anyPayLine(p,
                                    [](const auto &s) {
                                        return (s[0] == Replay || s[0] == Submersible) && s[1] == Replay
                                                && s[2] != Replay;
                                    }),
                         where);
                break;
            case U11:
            case U12:
                QVERIFY2(p.t1 == (cell.code == U11 ? 13 : 15), where);
                QVERIFY2(anyPayLine(p,
                                    [](const auto &s) {
                                        return s[0] == Submersible && s[1] == Submersible && s[2] == Submersible;
                                    }),
                         where);
                break;
            case U13:
            case U14:
                QVERIFY2(anyPayLine(p,
                                    [](const auto &s) {
                                        return isSeven(s[0]) && isSeven(s[1]) && isSeven(s[2]) && !sameColourSevens(s);
                                    }),
                         where);
                break;
            default:
                break;
            }
        }
    }

    void rightIndexGroupsShowPlumAndReplayInTheSameRows()
    {
        const auto rows = [](int t3) { return wholeRows(Reel::Right, t3); };
        const auto contains
                = [](const std::array<Symbol, 3> &r, Symbol s) { return std::find(r.begin(), r.end(), s) != r.end(); };
        for (int t3 : notation::rightIndexGroups[0])
            QVERIFY(rows(t3)[1] == Plum && rows(t3)[2] == Replay);
        for (int t3 : notation::rightIndexGroups[1])
            QVERIFY(rows(t3)[0] == Plum && rows(t3)[1] == Replay);
        for (int t3 : notation::rightIndexGroups[2])
            QVERIFY(rows(t3)[0] == Replay && !contains(rows(t3), Plum));
        for (int t3 : notation::rightIndexGroups[3])
            QVERIFY(rows(t3)[2] == Plum && !contains(rows(t3), Replay));
        QCOMPARE(rows(12), (std::array<Symbol, 3> {Submersible, Submersible, RedSeven}));

        std::set<int> covered = {12};
        for (const auto &group : notation::rightIndexGroups)
            covered.insert(group.begin(), group.end());
        QCOMPARE(covered.size(), std::size_t(21));
    }
};

QTEST_APPLESS_MAIN(TestStopPatternReading)
#include "tst_stoppatternreading.moc"
