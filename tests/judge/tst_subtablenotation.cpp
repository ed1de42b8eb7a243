#include "judge/subtablenotation.h"

#include <QTest>

#include <string>

using namespace sorvex;
using enum MessageCode;

namespace {
// Rows for the middle indices 2..21, all "P1 otherwise, no exceptions".
std::string restOfTable()
{
    std::string rows;
    for (int t2 = 2; t2 <= 21; ++t2)
        rows += std::to_string(t2) + " | P1 | -\n";
    return rows;
}
} // namespace

class TestSubTableNotation : public QObject
{
    Q_OBJECT

private slots:
    void readsGroupsRunsAndLists()
    {
        const std::string rows = "1 | U1 | W9: 1, 14; N1: g2; U11: 11-13\n" + restOfTable();
        const SubTable table = parseSubTable(rows);
        const MessageCode expected[21]
                = {W9, N1, U1, U1, U1, N1, U1, U1, U1, N1, U11, U11, U11, W9, N1, U1, U1, U1, N1, U1, U1};
        for (int t3 = 1; t3 <= 21; ++t3)
            QCOMPARE(table.cell(1, t3), expected[t3 - 1]);
        QCOMPARE(table.cell(21, 21), P1);
    }

    void sharedRowsFillEveryListedMiddleIndex()
    {
        std::string rows = "1, 3, 21 | W1 | P2: g4\n";
        for (int t2 = 2; t2 <= 20; ++t2) {
            if (t2 != 3)
                rows += std::to_string(t2) + " | P1 | -\n";
        }
        const SubTable table = parseSubTable(rows);
        for (int t2 : {1, 3, 21}) {
            QCOMPARE(table.cell(t2, 4), P2);
            QCOMPARE(table.cell(t2, 12), W1);
        }
        QCOMPARE(table.cell(2, 4), P1);
    }

    // A slip in the table text must not slip through as a wrong cell.
    void rejectsMalformedNotation_data()
    {
        QTest::addColumn<QString>("firstRow");
        QTest::addColumn<bool>("withRest");
        QTest::newRow("right index twice") << "1 | U1 | W1: 3; N1: 3" << true;
        QTest::newRow("index in group and list") << "1 | U1 | W1: g1; N1: 5" << true;
        QTest::newRow("unknown code") << "1 | X1 | -" << true;
        QTest::newRow("code out of family range") << "1 | U15 | -" << true;
        QTest::newRow("index 22") << "1 | U1 | W1: 22" << true;
        QTest::newRow("index 0") << "1 | U1 | W1: 0" << true;
        QTest::newRow("backward run") << "1 | U1 | W1: 12-10" << true;
        QTest::newRow("group g5") << "1 | U1 | W1: g5" << true;
        QTest::newRow("missing exceptions") << "1 | U1" << true;
        QTest::newRow("middle in two rows") << "2 | U1 | -" << true;
        QTest::newRow("middle index missing") << "" << true;
        QTest::newRow("only one row") << "1 | U1 | -" << false;
    }

    void rejectsMalformedNotation()
    {
        QFETCH(QString, firstRow);
        QFETCH(bool, withRest);
        const std::string rows = firstRow.toStdString() + "\n" + (withRest ? restOfTable() : std::string());
        bool rejected = false;
        try {
            parseSubTable(rows);
        } catch (const notation::NotationError &) {
            rejected = true;
        }
        QVERIFY(rejected);
    }
};

QTEST_APPLESS_MAIN(TestSubTableNotation)
#include "tst_subtablenotation.moc"
