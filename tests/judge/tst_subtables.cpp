#include "judge/subtables.h"

#include <QTest>

using namespace sorvex;
using enum MessageCode;

namespace {
int differingCells(int leftA, int leftB)
{
    int differing = 0;
    for (int t2 = 1; t2 <= 21; ++t2)
        for (int t3 = 1; t3 <= 21; ++t3)
            differing += subTable(leftA).cell(t2, t3) != subTable(leftB).cell(t2, t3);
    return differing;
}
} // namespace

class TestSubTables : public QObject
{
    Q_OBJECT

private slots:
    // Cells whose results the machine's documentation singles out: the rare
    // codes, the group exceptions, the runs and the near-twin tables.
    void knownCells_data()
    {
        QTest::addColumn<int>("t1");
        QTest::addColumn<int>("t2");
        QTest::addColumn<int>("t3");
        QTest::addColumn<MessageCode>("code");
        const struct
        {
            int t1, t2, t3;
            MessageCode code;
        } cells[] = {
                {1, 1, 1, W9},    {1, 2, 12, U2},    {1, 2, 11, U1},    {1, 1, 14, W9},    {1, 21, 12, W10},
                {1, 21, 20, W10}, {1, 11, 1, W1},    {1, 11, 2, U1},    {2, 8, 1, U3},     {2, 8, 2, U3},
                {2, 8, 12, W1},   {2, 2, 4, N1},     {2, 2, 12, U2},    {2, 2, 1, P3},     {3, 2, 5, W8},
                {3, 15, 5, W8},   {3, 11, 3, U9},    {4, 3, 6, W12},    {4, 20, 20, U13},  {4, 8, 12, U2},
                {5, 4, 7, W9},    {5, 17, 7, W9},    {21, 4, 7, W1},    {21, 17, 7, W1},   {6, 18, 8, W13},
                {6, 5, 8, W11},   {10, 21, 1, W10},  {10, 21, 14, W10}, {10, 20, 12, W9},  {10, 20, 20, W9},
                {11, 14, 3, N3},  {11, 15, 3, W4},   {11, 2, 1, U4},    {12, 1, 1, W11},   {12, 1, 14, W11},
                {13, 2, 2, W7},   {13, 2, 15, W7},   {14, 12, 8, N5},   {14, 17, 8, N5},   {14, 14, 3, W3},
                {14, 1, 1, U6},   {14, 2, 1, U8},    {16, 16, 5, W6},   {16, 16, 18, W6},  {19, 19, 11, W8},
                {19, 19, 19, W8}, {20, 20, 12, W10}, {20, 20, 20, W10}, {21, 17, 13, U14}, {5, 17, 13, U5},
                {4, 17, 12, W1},  {4, 17, 13, W1},   {4, 17, 14, W1},   {4, 17, 15, P1},   {20, 21, 1, W9},
                {6, 4, 6, W9},
        };
        for (const auto &cell : cells) {
            QTest::addRow("(%d, %d, %d)", cell.t1, cell.t2, cell.t3) << cell.t1 << cell.t2 << cell.t3 << cell.code;
        }
    }

    void knownCells()
    {
        QFETCH(int, t1);
        QFETCH(int, t2);
        QFETCH(int, t3);
        QFETCH(MessageCode, code);
        QCOMPARE(codeName(cellCode(t1, t2, t3)), codeName(code));
    }

    void wholeRowsAndRuns_data()
    {
        QTest::addColumn<int>("t1");
        QTest::addColumn<int>("t2");
        QTest::addColumn<QList<int>>("exceptional");
        QTest::addColumn<MessageCode>("exceptionCode");
        QTest::addColumn<MessageCode>("otherwise");
        QTest::newRow("4, 8: N9 but 12") << 4 << 8 << QList<int> {12} << U2 << N9;
        QTest::newRow("13, 7: U11 run") << 13 << 7 << QList<int> {10, 11, 12, 13} << U11 << N2;
        QTest::newRow("15, 8: U12 run") << 15 << 8 << QList<int> {10, 11, 12, 13} << U12 << N4;
        QTest::newRow("16, 14: W5 on g1") << 16 << 14 << QList<int> {1, 5, 9, 14, 18} << W5 << P1;
    }

    void wholeRowsAndRuns()
    {
        QFETCH(int, t1);
        QFETCH(int, t2);
        QFETCH(QList<int>, exceptional);
        QFETCH(MessageCode, exceptionCode);
        QFETCH(MessageCode, otherwise);
        for (int t3 = 1; t3 <= 21; ++t3) {
            MessageCode expected = exceptional.contains(t3) ? exceptionCode : otherwise;
            if (t1 == 16 && t3 == 12)
                expected = U2;
            QVERIFY2(cellCode(t1, t2, t3) == expected, qPrintable(QStringLiteral("t3 = %1").arg(t3)));
        }
    }

    void sharedSubTablesAndNearTwins()
    {
        QVERIFY(subTable(7) == subTable(2));
        QVERIFY(subTable(17) == subTable(9));
        QCOMPARE(differingCells(5, 21), 5);
        for (int a = 1; a <= 21; ++a) {
            for (int b = a + 1; b <= 21; ++b) {
                const bool shared = (a == 2 && b == 7) || (a == 9 && b == 17);
                if (!shared)
                    QVERIFY2(differingCells(a, b) >= 5, qPrintable(QStringLiteral("%1 and %2").arg(a).arg(b)));
            }
        }
    }

    void rightIndex12IsAlwaysUOrW()
    {
        int u = 0;
        int w = 0;
        for (int t1 = 1; t1 <= 21; ++t1) {
            for (int t2 = 1; t2 <= 21; ++t2) {
                const MessageCode code = cellCode(t1, t2, 12);
                QVERIFY(codeLetter(code) == 'U' || codeLetter(code) == 'W');
                (codeLetter(code) == 'U' ? u : w) += 1;
            }
        }
        QCOMPARE(u, 258);
        QCOMPARE(w, 183);
    }
};

QTEST_APPLESS_MAIN(TestSubTables)
#include "tst_subtables.moc"
