#include "platform/formbutton.h"
#include "platform/formcontrols.h"
#include "platform/formfont.h"
#include "platform/twips.h"

#include <QImage>
#include <QLineEdit>
#include <QTest>

using namespace sorvex;

namespace {

// How many pixels along a line `inset` pixels inside the button's edge
// differ from their right neighbour while one of the two is in the text
// colour: every pixel of a dotted line does, none of a plain face.
int dotAlternations(const QImage &image, int inset, const QColor &ink)
{
    int alternations = 0;
    for (int x = inset; x < image.width() - inset - 1; ++x) {
        const QColor here = image.pixelColor(x, inset);
        const QColor next = image.pixelColor(x + 1, inset);
        alternations += here != next && (here == ink || next == ink);
    }
    return alternations;
}

} // namespace

// The controls every window is built from, as the user sees them.
class TestFormControls : public QObject
{
    Q_OBJECT

private slots:
    void focusShowsDottedRectangle_data();
    void focusShowsDottedRectangle();
    void entryBoxShowsTheWholeNumber_data();
    void entryBoxShowsTheWholeNumber();
};

void TestFormControls::focusShowsDottedRectangle_data()
{
    QTest::addColumn<bool>("focused");
    QTest::addColumn<QColor>("face");
    QTest::newRow("focus on opening") << true << QColor();
    QTest::newRow("filled button with the focus") << true << QColor(255, 128, 128);
    QTest::newRow("focus elsewhere") << false << QColor();
}

// As the windows do: the focus is given before the window opens, and no key
// is pressed before looking.
void TestFormControls::focusShowsDottedRectangle()
{
    QFETCH(bool, focused);
    QFETCH(QColor, face);
    QWidget window;
    window.resize(300, 100);
    FormButton *ok = addButton(&window, QStringLiteral("ＯＫ"), twipsRect(2160, 120, 1575, 615), formFont(18, true));
    FormButton *other = addButton(&window, QStringLiteral("Other"), twipsRect(120, 120, 1575, 615), formFont(9, false));
    if (face.isValid())
        ok->setFaceColour(face);
    (focused ? ok : other)->setFocus();
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(ok->hasFocus(), focused);

    const QImage image = ok->grab().toImage();
    const QColor ink = ok->palette().color(QPalette::ButtonText);
    const int inset = 4;
    const int span = image.width() - 2 * inset - 1;
    const int alternations = dotAlternations(image, inset, ink);
    if (focused)
        QVERIFY2(alternations >= span * 9 / 10, qPrintable(QString::number(alternations)));
    else
        QCOMPARE(alternations, 0);
    // No coloured outline of the style beside the dots.
    const QColor highlight = ok->palette().color(QPalette::Highlight);
    for (int x = 0; x < image.width(); ++x)
        QVERIFY(image.pixelColor(x, 1) != highlight);
}

void TestFormControls::entryBoxShowsTheWholeNumber_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("guide's auto interval") << QStringLiteral("1200") << QRect(2760, 4800, 855, 435);
    QTest::newRow("guide's reel speed") << QStringLiteral("100") << QRect(2760, 3960, 855, 420);
    QTest::newRow("main window's auto interval") << QStringLiteral("1075") << QRect(9120, 4440, 855, 375);
    QTest::newRow("widest four digits") << QStringLiteral("8888") << QRect(9120, 4440, 855, 375);
}

// A box too narrow for its text scrolls it so that the cursor at its end
// stays in sight, cutting off the first digits; one that holds it draws the
// same with the cursor at either end.
void TestFormControls::entryBoxShowsTheWholeNumber()
{
    QFETCH(QString, number);
    QFETCH(QRect, twips);
    QWidget window;
    window.resize(700, 500);
    QLineEdit *box = addEntryBox(&window, number, twipsRect(twips), formFont(15.75, true));
    // The focus elsewhere, so that no blinking cursor is drawn.
    addButton(&window, QStringLiteral("OK"), twipsRect(120, 120, 1575, 615), formFont(9, false))->setFocus();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    box->setCursorPosition(int(number.size()));
    const QImage atEnd = box->grab().toImage();
    box->setCursorPosition(0);
    const QImage atStart = box->grab().toImage();
    QCOMPARE(atEnd, atStart);
}

QTEST_MAIN(TestFormControls)
#include "tst_formcontrols.moc"
