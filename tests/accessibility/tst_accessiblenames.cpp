#include "mainwindowfixture.h"

#include "app/form4.h"
#include "help/fkaisetu.h"
#include "help/fsousa.h"
#include "help/readme.h"
#include "quiz/quizwindow.h"
#include "study/studylauncher.h"
#include "study/studywindow.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QTest>

#include <memory>

using namespace sorvex;

namespace {

// The parts that Qt builds inside its own controls (a text area's scroll
// bars, a table's header, a spin box's line edit) are read through their
// control.
bool isPartOfAControl(const QWidget *widget, const QWidget *window)
{
    if (widget->objectName().startsWith(QLatin1String("qt_")))
        return true;
    for (const QWidget *parent = widget->parentWidget(); parent && parent != window; parent = parent->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea *>(parent) || qobject_cast<const QAbstractSpinBox *>(parent)
            || qobject_cast<const QComboBox *>(parent))
            return true;
    }
    return false;
}

} // namespace

// Every control of every window has a name a screen reader can say.
class TestAccessibleNames : public QObject
{
    Q_OBJECT

private slots:
    void everyControlOfEveryWindowHasAName_data();
    void everyControlOfEveryWindowHasAName();
};

void TestAccessibleNames::everyControlOfEveryWindowHasAName_data()
{
    QTest::addColumn<QString>("window");
    for (const char *window : {"riru", "Form4", "Fsousa", "Fkaisetu", "readme", "quiz", "study"})
        QTest::newRow(window) << QString::fromLatin1(window);
}

void TestAccessibleNames::everyControlOfEveryWindowHasAName()
{
    QFETCH(QString, window);
    testing::MainWindowFixture main;
    std::unique_ptr<QWidget> other;
    QWidget *shown = &main.riru();
    if (window == QLatin1String("Form4"))
        other = std::make_unique<Form4>();
    else if (window == QLatin1String("Fsousa"))
        other = std::make_unique<Fsousa>();
    else if (window == QLatin1String("Fkaisetu"))
        other = std::make_unique<Fkaisetu>();
    else if (window == QLatin1String("readme"))
        other = std::make_unique<Readme>(&main.riru());
    else if (window == QLatin1String("quiz"))
        other = std::make_unique<QuizWindow>(&main.riru());
    if (other)
        shown = other.get();
    if (window == QLatin1String("study"))
        shown = (new StudyLauncher(&main.riru(), QString()))->showWindow();
    shown->show();

    QList<QWidget *> widgets = shown->findChildren<QWidget *>();
    widgets.prepend(shown);
    QStringList unnamed;
    for (QWidget *widget : widgets) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
        if (!face || !widget->isVisibleTo(shown) || isPartOfAControl(widget, shown))
            continue;
        if (face->text(QAccessible::Name).trimmed().isEmpty())
            unnamed.append(QStringLiteral("%1 (%2)").arg(widget->objectName(),
                                                         QLatin1String(widget->metaObject()->className())));
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
}

QTEST_MAIN(TestAccessibleNames)
#include "tst_accessiblenames.moc"
