#include "study/patternfilter.h"
#include "study/patternindex.h"
#include "study/patterntablemodel.h"
#include "study/studyprogress.h"
#include "study/symbolpictures.h"

#include "judge/messagecatalogue.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace sorvex;

namespace {

// A strip whose every cell is one flat colour that names the cell.
QColor cellColour(int reel, int cell)
{
    return QColor(40 + reel * 60, cell * 9, 255 - cell * 9);
}

QPixmap numberedStrip(int reel)
{
    QImage strip(100, 1660, QImage::Format_RGB32);
    QPainter painter(&strip);
    for (int cell = 0; cell * 65 < 1660; ++cell)
        painter.fillRect(0, cell * 65, 100, 65, cellColour(reel, cell));
    painter.end();
    return QPixmap::fromImage(strip);
}

int catalogueTotal(std::initializer_list<MessageCode> codes)
{
    int total = 0;
    for (MessageCode code : codes)
        total += catalogueCellCount(code);
    return total;
}

int familyTotal(char letter)
{
    int total = 0;
    for (int code = 0; code < messageCodeCount; ++code) {
        if (codeLetter(MessageCode(code)) == letter)
            total += catalogueCellCount(MessageCode(code));
    }
    return total;
}

} // namespace

class TestPatternModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void rowsFollowTheJudgementTables_data();
    void rowsFollowTheJudgementTables();
    void windowPictureShowsTheCellsOfEachReel();
    void seenColumnFollowsTheProgress();
    void filtersKeepOnlyMatchingRows_data();
    void filtersKeepOnlyMatchingRows();
    void unseenFilterDropsRowsAsTheyAreSeen();
    void codeColumnSortsByCodeNumber();

private:
    std::unique_ptr<StudyProgress> m_progress;
    std::unique_ptr<PatternTableModel> m_model;
    std::unique_ptr<PatternFilter> m_filter;
};

void TestPatternModel::init()
{
    m_progress = std::make_unique<StudyProgress>();
    m_model = std::make_unique<PatternTableModel>(*m_progress, nullptr);
    m_filter = std::make_unique<PatternFilter>(m_model.get());
}

void TestPatternModel::cleanup()
{
    m_filter.reset();
    m_model.reset();
    m_progress.reset();
}

void TestPatternModel::rowsFollowTheJudgementTables_data()
{
    QTest::addColumn<int>("t1");
    QTest::addColumn<int>("t2");
    QTest::addColumn<int>("t3");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("winMark");
    const QString none;
    const QString win = QStringLiteral("WIN");
    QTest::newRow("1-1-1 W9") << 1 << 1 << 1 << "W9" << QStringLiteral("ＢＩＧです。　適戦艦撃沈！") << win;
    QTest::newRow("1-2-12 U2") << 1 << 2 << 12 << "U2"
                               << QStringLiteral("リーチ目だけど，　止まらない？？　右リールの１確目。") << none;
    QTest::newRow("1-2-11 U1") << 1 << 2 << 11 << "U1"
                               << QStringLiteral("リーチ目だけど，　止まらない？？　中段チェリーの１確目") << none;
    QTest::newRow("1-4-3 W1") << 1 << 4 << 3 << "W1" << QStringLiteral("リーチ目　ＢＩＧです。") << win;
    QTest::newRow("1-17-20 W1") << 1 << 17 << 20 << "W1" << QStringLiteral("リーチ目　ＢＩＧです。") << win;
    QTest::newRow("2-2-8 N1") << 2 << 2 << 8 << "N1" << QStringLiteral("複合役のため、　止まりません。") << none;
    QTest::newRow("2-13-1 P3") << 2 << 13 << 1 << "P3" << QStringLiteral("チェリー ４枚") << none;
    QTest::newRow("7-18-21 N1, as 2") << 7 << 18 << 21 << "N1" << QStringLiteral("複合役のため、　止まりません。")
                                      << none;
}

void TestPatternModel::rowsFollowTheJudgementTables()
{
    QFETCH(int, t1);
    QFETCH(int, t2);
    QFETCH(int, t3);
    QFETCH(QString, code);
    QFETCH(QString, text);
    QFETCH(QString, winMark);

    QCOMPARE(m_model->rowCount(), 9261);
    const int row = ((t1 - 1) * 21 + (t2 - 1)) * 21 + (t3 - 1);
    const auto cell = [&](int column, int role = Qt::DisplayRole) { return m_model->index(row, column).data(role); };
    QCOMPARE(cell(PatternTableModel::LeftIndex).toInt(), t1);
    QCOMPARE(cell(PatternTableModel::MiddleIndex).toInt(), t2);
    QCOMPARE(cell(PatternTableModel::RightIndex).toInt(), t3);
    QCOMPARE(cell(PatternTableModel::Code).toString(), code);
    QCOMPARE(cell(PatternTableModel::Text).toString(), text);
    QCOMPARE(cell(PatternTableModel::WinMark).toString(), winMark);
    // The full text is the main window's, CR LF and all.
    const QString full = cell(PatternTableModel::Text, PatternTableModel::FullTextRole).toString();
    QCOMPARE(full, judgementText(*parseMessageCode(code.toStdString())));
    QVERIFY(!full.startsWith(u'\r'));
    QCOMPARE(cell(PatternTableModel::Text).toString().contains(u'\n'), false);
    QCOMPARE(cell(PatternTableModel::Seen).toString(), QString());
    QCOMPARE(cell(PatternTableModel::Code, PatternTableModel::PatternIndexRole).toInt(), row);
    // No reel pictures, no symbols.
    QVERIFY(!cell(PatternTableModel::Window, Qt::DecorationRole).isValid());
}

void TestPatternModel::windowPictureShowsTheCellsOfEachReel()
{
    const SymbolPictures pictures({numberedStrip(0), numberedStrip(1), numberedStrip(2)});
    PatternTableModel model(*m_progress, &pictures);
    // The left reel at 20 wraps round: rows show strip cells 20, 21 and 1.
    const StopPattern pattern {20, 1, 9};
    const QPixmap picture = qvariant_cast<QPixmap>(
            model.index(patternIndex(pattern), PatternTableModel::Window).data(Qt::DecorationRole));
    QVERIFY(!picture.isNull());
    const QImage image = picture.toImage();
    const QSize cell = SymbolPictures::cellSize;
    const int tops[] = {pattern.t1, pattern.t2, pattern.t3};
    for (int reel = 0; reel < 3; ++reel) {
        for (int row = 0; row < 3; ++row) {
            const QPoint centre(reel * (cell.width() + 1) + cell.width() / 2,
                                row * (cell.height() + 1) + cell.height() / 2);
            const int stripCell = wrapTopRowIndex(tops[reel] + row);
            QCOMPARE(image.pixelColor(centre), cellColour(reel, stripCell));
        }
    }

    // Strips of the wrong size give no pictures rather than wrong ones.
    const SymbolPictures wrong({QPixmap(100, 100), numberedStrip(1), numberedStrip(2)});
    QVERIFY(wrong.isEmpty());
    QVERIFY(wrong.windowPicture(pattern).isNull());
}

void TestPatternModel::seenColumnFollowsTheProgress()
{
    const StopPattern pattern {3, 4, 5};
    const QModelIndex seen = m_model->index(patternIndex(pattern), PatternTableModel::Seen);
    QSignalSpy changes(m_model.get(), &QAbstractItemModel::dataChanged);
    m_progress->record({QDateTime::currentDateTime(), pattern, JudgementCause::Step, {}});
    QCOMPARE(seen.data().toString(), QStringLiteral("済"));
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes[0][0].toModelIndex(), seen);
    QCOMPARE(m_model->index(patternIndex(pattern) + 1, PatternTableModel::Seen).data().toString(), QString());

    m_progress->reset();
    QCOMPARE(seen.data().toString(), QString());
}

void TestPatternModel::filtersKeepOnlyMatchingRows_data()
{
    QTest::addColumn<std::function<void(PatternFilter &)>>("set");
    QTest::addColumn<int>("rows");
    using F = std::function<void(PatternFilter &)>;
    QTest::newRow("none") << F([](PatternFilter &) {}) << 9261;
    QTest::newRow("left 1") << F([](PatternFilter &f) { f.setLeftIndex(1); }) << 441;
    QTest::newRow("left 21") << F([](PatternFilter &f) { f.setLeftIndex(21); }) << 441;
    QTest::newRow("left back to all") << F([](PatternFilter &f) {
        f.setLeftIndex(5);
        f.setLeftIndex(0);
    }) << 9261;
    for (char letter : {'W', 'P', 'U', 'N'}) {
        QTest::newRow(qPrintable(QStringLiteral("family %1").arg(QLatin1Char(letter))))
                << F([letter](PatternFilter &f) { f.setFamily(letter); }) << familyTotal(letter);
    }
    QTest::newRow("code W1") << F([](PatternFilter &f) { f.setCode(MessageCode::W1); }) << 2135;
    QTest::newRow("code U13") << F([](PatternFilter &f) { f.setCode(MessageCode::U13); }) << 1;
    QTest::newRow("code N9") << F([](PatternFilter &f) { f.setCode(MessageCode::N9); }) << 20;
    QTest::newRow("code outside its family") << F([](PatternFilter &f) {
        f.setFamily('P');
        f.setCode(MessageCode::W1);
    }) << 0;
    // "チェリー" stands in P3, U1 and U5.
    QTest::newRow("text チェリー") << F([](PatternFilter &f) { f.setText(QStringLiteral("チェリー")); })
                                   << catalogueTotal({MessageCode::P3, MessageCode::U1, MessageCode::U5});
    // Plain letters find the full-width ones, in any case.
    QTest::newRow("text or") << F([](PatternFilter &f) { f.setText(QStringLiteral("or")); })
                             << catalogueTotal({MessageCode::N8});
    QTest::newRow("text across lines does not match")
            << F([](PatternFilter &f) { f.setText(QStringLiteral("リーチ目ＢＩＧ")); }) << 0;
    QTest::newRow("lamp only") << F([](PatternFilter &f) { f.setLampOnly(true); }) << familyTotal('W');
    QTest::newRow("unseen only, nothing seen") << F([](PatternFilter &f) { f.setUnseenOnly(true); }) << 9261;
    QTest::newRow("left 1 and lamp") << F([](PatternFilter &f) {
        f.setLeftIndex(1);
        f.setLampOnly(true);
    }) << -1;
}

void TestPatternModel::filtersKeepOnlyMatchingRows()
{
    QFETCH(std::function<void(PatternFilter &)>, set);
    QFETCH(int, rows);
    set(*m_filter);
    if (rows < 0) {
        // Combined filters: every row must pass each filter on its own.
        rows = 0;
        for (int index = 0; index < patternCount; ++index) {
            const JudgedPattern &judged = m_model->pattern(index);
            rows += judged.pattern.t1 == 1 && judged.isWin();
        }
        QVERIFY(rows > 0);
    }
    QCOMPARE(m_filter->rowCount(), rows);
    for (int row = 0; row < m_filter->rowCount(); ++row) {
        const int index = m_filter->index(row, 0).data(PatternTableModel::PatternIndexRole).toInt();
        const JudgedPattern &judged = m_model->pattern(index);
        if (m_filter->leftIndex() != 0)
            QCOMPARE(judged.pattern.t1, m_filter->leftIndex());
        if (m_filter->lampOnly())
            QVERIFY(judged.isWin());
        if (m_filter->code())
            QCOMPARE(judged.code, *m_filter->code());
    }
}

void TestPatternModel::unseenFilterDropsRowsAsTheyAreSeen()
{
    m_filter->setLeftIndex(4);
    m_filter->setUnseenOnly(true);
    QCOMPARE(m_filter->rowCount(), 441);
    m_progress->record({QDateTime::currentDateTime(), {4, 1, 1}, JudgementCause::Jump, {}});
    m_progress->record({QDateTime::currentDateTime(), {4, 1, 1}, JudgementCause::Step, {}});
    m_progress->record({QDateTime::currentDateTime(), {5, 1, 1}, JudgementCause::Step, {}});
    QCOMPARE(m_filter->rowCount(), 440);
    m_filter->setUnseenOnly(false);
    QCOMPARE(m_filter->rowCount(), 441);
}

void TestPatternModel::codeColumnSortsByCodeNumber()
{
    m_filter->setFamily('W');
    m_filter->sort(PatternTableModel::Code, Qt::AscendingOrder);
    QStringList order;
    for (int row = 0; row < m_filter->rowCount(); ++row) {
        const QString code = m_filter->index(row, PatternTableModel::Code).data().toString();
        if (order.isEmpty() || order.last() != code)
            order.append(code);
    }
    QCOMPARE(order, QStringList({"W1", "W2", "W3", "W4", "W5", "W6", "W7", "W8", "W9", "W10", "W11", "W12", "W13"}));
    // Within one code the pattern order holds.
    const auto indexAt
            = [&](int row) { return m_filter->index(row, 0).data(PatternTableModel::PatternIndexRole).toInt(); };
    QVERIFY(indexAt(0) < indexAt(1));

    m_filter->sort(PatternTableModel::Code, Qt::DescendingOrder);
    QCOMPARE(m_filter->index(0, PatternTableModel::Code).data().toString(), QStringLiteral("W13"));
}

QTEST_MAIN(TestPatternModel)
#include "tst_patternmodel.moc"
