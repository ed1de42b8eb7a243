#include "app/form4.h"
#include "help/fkaisetu.h"
#include "help/fsousa.h"
#include "help/readme.h"
#include "judge/messagecatalogue.h"
#include "platform/formfont.h"
#include "platform/formlabel.h"
#include "reels/riru.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <memory>

using namespace sorvex;

using WindowFactory = std::function<QWidget *()>;
Q_DECLARE_METATYPE(WindowFactory)

// The information windows' texts carry runs of blanks that fill out a line
// so that the next phrase starts on a new one. Each row names a label by its
// opening and lists the phrases that start its second, third, ... line with
// the substitute face: all 16 breaks that blanks make in the windows.
class TestLabelBreaks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void phrasesStartLines_data();
    void phrasesStartLines();
    void textStaysInsideItsLabel_data();
    void textStaysInsideItsLabel();
    void everyJudgementFitsTheDisplay();
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
                                << QStringList {"リーチ目等", "トラブル等", "自分の責任"};
    QTest::newRow("keyboard use") << guide << QStringLiteral("Ｅｎｔｅｒ") << QStringList {"フォーカス"};
    QTest::newRow("step interval") << guide << QStringLiteral("リール１コマが進む")
                                   << QStringList {"実機は", "速すぎる"};
    QTest::newRow("rules") << terms << QStringLiteral("リーチ目は、")
                           << QStringList {"挟み打ち", "順押しでリーチ目", "たとえば", "リーチ目になる出目", "さらに"};
    QTest::newRow("miss explanation") << terms << QStringLiteral("はずれ（") << QStringList {"子役の取りこぼしも"};
    QTest::newRow("no-stop sample") << terms << QStringLiteral("リーチ目だけど、 ") << QStringList {"止まらない？"};
    QTest::newRow("no-stop explanation") << terms << QStringLiteral("２リール確定") << QStringList {"第３リール"};
    QTest::newRow("missed role or bonus sample")
            << terms << QStringLiteral("子役の取りこぼし  ") << QStringList {"ｏｒ ボーナス"};
    // A single blank at the end of the first line.
    QTest::newRow("note on the no-stop mark")
            << terms << QStringLiteral("「リーチ目だけど止まらない」の基準") << QStringList {"リーチ目表"};
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

void TestLabelBreaks::textStaysInsideItsLabel_data()
{
    QTest::addColumn<WindowFactory>("window");
    QTest::newRow("disclaimer") << WindowFactory([] { return new Form4; });
    QTest::newRow("operation guide") << WindowFactory([] { return new Fsousa; });
    QTest::newRow("terms") << WindowFactory([] { return new Fkaisetu; });
    QTest::newRow("manual viewer") << WindowFactory([] { return new Readme(nullptr); });
    QTest::newRow("main window") << WindowFactory([] { return new Riru; });
}

// No label's text is cut at its edges, and none runs under a button or a
// box, which always cover labels.
void TestLabelBreaks::textStaysInsideItsLabel()
{
    QFETCH(WindowFactory, window);
    const std::unique_ptr<QWidget> form(window());
    QList<QWidget *> covering;
    for (QWidget *control : form->findChildren<QWidget *>()) {
        if (qobject_cast<QAbstractButton *>(control) || qobject_cast<QLineEdit *>(control))
            covering.append(control);
    }
    for (const FormLabel *label : form->findChildren<FormLabel *>()) {
        const QString name = label->objectName().isEmpty() ? label->text() : label->objectName();
        const QRect text = label->textRect();
        QVERIFY2(label->contentsRect().contains(text),
                 qPrintable(name
                            + QStringLiteral(" %1,%2 %3x%4 in %5,%6 %7x%8")
                                      .arg(text.x())
                                      .arg(text.y())
                                      .arg(text.width())
                                      .arg(text.height())
                                      .arg(label->contentsRect().x())
                                      .arg(label->contentsRect().y())
                                      .arg(label->contentsRect().width())
                                      .arg(label->contentsRect().height())));
        const QRect onForm = text.translated(label->mapTo(form.get(), QPoint(0, 0)));
        for (const QWidget *control : std::as_const(covering)) {
            QVERIFY2(!control->geometry().intersects(onForm),
                     qPrintable(name + QStringLiteral(" runs under ") + control->objectName()));
        }
    }
}

// The judgement display holds every judgement text, the three-line ones
// included, whole.
void TestLabelBreaks::everyJudgementFitsTheDisplay()
{
    Riru riru;
    auto *display = riru.findChild<FormLabel *>(QStringLiteral("lbyakumei"));
    QVERIFY(display);
    for (int code = int(MessageCode::W1); code <= int(MessageCode::N9); ++code) {
        const QString &text = judgementText(MessageCode(code));
        display->setText(text);
        QCOMPARE(display->wrappedLines(display->contentsRect().width()).size(), text.count(u'\n') + 1);
        QVERIFY2(display->contentsRect().contains(display->textRect()), qPrintable(text));
    }
}

QTEST_MAIN(TestLabelBreaks)
#include "tst_labelbreaks.moc"
