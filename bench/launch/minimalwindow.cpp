// The yardstick for the launch time: the least a Qt Widgets program does to
// show one window, here one button in the face and size of the disclaimer's
// OK button, in a window of the disclaimer's size.
#include "platform/formfont.h"

#include <QApplication>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    sorvex::installFormFontSubstitutes();
    QWidget window;
    window.setFixedSize(423, 230);
    auto *button = new QPushButton(QStringLiteral("ＯＫ"), &window);
    button->setFont(sorvex::formFont(18, true));
    button->setGeometry(144, 168, 105, 41);
    window.show();
    return QApplication::exec();
}
