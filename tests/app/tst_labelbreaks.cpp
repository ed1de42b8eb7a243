#include "app/form4.h"
#include "help/fkaisetu.h"
#include "help/fsousa.h"
#include "platform/formfont.h"
#include "platform/formlabel.h"

#include <QFontInfo>
#include <QTest>

#include <functional>
#include <memory>

using namespace sorvex;

using WindowFactory = std::function<QWidget *()>;
Q_DECLARE_METATYPE(WindowFactory)

// The information windows' texts carry runs of blanks that fill out a line
// so that the next phrase starts on a new one. Each row names a label by its
// opening and lists the phrases that start its second, third, ... line with
// the substitute face. Two
// breaks the texts intend are out of reach with its metrics and are not
// listed: in the disclaimer the 23 blanks after "負えません。" leave room
// for "自" on the third line, and in the step interval explanation the 9
// blanks after "ミリ秒です。" leave room for "速".
class TestLabelBreaks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void phrasesStartLines_data();
    void phrasesStartLines();
};

void TestLabelBreaks::initTestCase()
{
    installFormFontSubstitutes();
    const QString face = QFontInfo(formFont(9.75, true)).family();
    QVERIFY2(face == QLatin1String("IPAPGothic"),
             qPrintable(QStringLiteral("the windows are laid out for IPAPGothic (fonts-ipafont-gothic), not ") + face));
}

void TestLabelBreaks::phrasesStartLines_data()
{
    QTest::addColumn<WindowFactory>("window");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<QStringList>("laterLineStarts");

    const WindowFactory disclaimer = [] { return new Form4; };
    const WindowFactory guide = [] { return new Fsousa; };
    const WindowFactory terms = [] { return new Fkaisetu; };

    QTest::newRow("disclaimer") << disclaimer << QStringLiteral("   データ")
                                << QStringList {"リーチ目等", "トラブル等"};
    QTest::newRow("keyboard use") << guide << QStringLiteral("Ｅｎｔｅｒ") << QStringList {"フォーカス"};
    QTest::newRow("step interval") << guide << QStringLiteral("リール１コマが進む") << QStringList {"実機は"};
    QTest::newRow("rules") << terms << QStringLiteral("リーチ目は、")
                           << QStringList {"挟み打ち", "順押しでリーチ目", "たとえば", "リーチ目になる出目", "さらに"};
    QTest::newRow("miss explanation") << terms << QStringLiteral("はずれ（") << QStringList {"子役の取りこぼしも"};
    QTest::newRow("no-stop sample") << terms << QStringLiteral("リーチ目だけど、 ") << QStringList {"止まらない？"};
    QTest::newRow("no-stop explanation") << terms << QStringLiteral("２リール確定") << QStringList {"第３リール"};
    QTest::newRow("missed role or bonus sample")
            << terms << QStringLiteral("子役の取りこぼし  ") << QStringList {"ｏｒ ボーナス"};
}

void TestLabelBreaks::phrasesStartLines()
{
    QFETCH(WindowFactory, window);
    QFETCH(QString, opening);
    QFETCH(QStringList, laterLineStarts);
    const std::unique_ptr<QWidget> form(window());

    QList<const FormLabel *> labels;
    for (const FormLabel *candidate : form->findChildren<FormLabel *>()) {
        if (candidate->text().startsWith(opening))
            labels.append(candidate);
    }
    QCOMPARE(labels.size(), 1);
    const FormLabel *label = labels.first();
    const QStringList lines = label->wrappedLines(label->contentsRect().width());
    QVERIFY2(lines.size() > laterLineStarts.size(), qPrintable(lines.join(u'|')));
    for (qsizetype i = 0; i < laterLineStarts.size(); ++i)
        QVERIFY2(lines.at(i + 1).startsWith(laterLineStarts.at(i)), qPrintable(lines.join(u'|')));
}

QTEST_MAIN(TestLabelBreaks)
#include "tst_labelbreaks.moc"
