#include "judge/judgementobjects.h"
#include "judge/messagecatalogue.h"
#include "judge/subtables.h"

#include <QTest>

using namespace sorvex;

class TestJudgementObject : public QObject
{
    Q_OBJECT

private slots:
    void answersToItsNameAndOperation()
    {
        for (int n = 1; n <= 21; ++n) {
            JudgementObject object(n);
            QCOMPARE(object.className(), QStringLiteral("Class%1").arg(n));
            QCOMPARE(object.operationName(), QStringLiteral("yaku%1").arg(n));
        }
        JudgementObject class7(7);
        class7.r2jyoudan = 8;
        class7.r3jyoudan = 12;
        QVERIFY(!class7.invoke(u"yaku2"));
        QVERIFY(class7.yakumei.isEmpty());
        QVERIFY(class7.invoke(u"yaku7"));
        QCOMPARE(class7.yakumei, judgementText(MessageCode::W1));
    }

    void judgesEveryCellThroughTheProtocol()
    {
        JudgementObjects objects;
        for (int t1 = 1; t1 <= 21; ++t1) {
            for (int t2 = 1; t2 <= 21; ++t2) {
                for (int t3 = 1; t3 <= 21; ++t3) {
                    JudgementObject *object = objects.object(t1);
                    object->r2jyoudan = qint16(t2);
                    object->r3jyoudan = qint16(t3);
                    object->yaku();
                    const MessageCode code = cellCode(t1, t2, t3);
                    if (object->yakumei != judgementText(code) || object->tamaya != winMark(code))
                        QFAIL(qPrintable(QStringLiteral("(%1, %2, %3)").arg(t1).arg(t2).arg(t3)));
                }
            }
        }
    }

    void aWinDoesNotShowThroughTheNextJudgement()
    {
        JudgementObject class1(1);
        class1.r2jyoudan = 1;
        class1.r3jyoudan = 1;
        class1.yaku();
        QCOMPARE(class1.tamaya, QStringLiteral("WIN"));
        QCOMPARE(class1.yakumei, QStringLiteral("ＢＩＧです。\r\n適戦艦撃沈！"));
        class1.r3jyoudan = 12;
        class1.yaku();
        QVERIFY(class1.tamaya.isEmpty());
        QCOMPARE(class1.yakumei, judgementText(MessageCode::U2));
    }

    void indicesOutsideTheTableGiveEmptyResults_data()
    {
        QTest::addColumn<int>("t2");
        QTest::addColumn<int>("t3");
        QTest::newRow("middle 0") << 0 << 1;
        QTest::newRow("right 22") << 1 << 22;
        QTest::newRow("negative") << -5 << 3;
    }

    void indicesOutsideTheTableGiveEmptyResults()
    {
        QFETCH(int, t2);
        QFETCH(int, t3);
        JudgementObject class1(1);
        class1.r2jyoudan = 1;
        class1.r3jyoudan = 1;
        class1.yaku();
        class1.r2jyoudan = qint16(t2);
        class1.r3jyoudan = qint16(t3);
        class1.yaku();
        QVERIFY(class1.yakumei.isEmpty());
        QVERIFY(class1.tamaya.isEmpty());
    }

    void objectsAreCreatedOnFirstUseAndKept()
    {
        JudgementObjects objects;
        QVERIFY(!objects.existing(5));
        JudgementObject *first = objects.object(5);
        QVERIFY(first);
        QCOMPARE(first->leftIndex(), 5);
        QCOMPARE(objects.existing(5), first);
        QCOMPARE(objects.object(5), first);
        QVERIFY(!objects.existing(6));
        QVERIFY(!objects.object(0));
        QVERIFY(!objects.object(22));
    }
};

QTEST_APPLESS_MAIN(TestJudgementObject)
#include "tst_judgementobject.moc"
