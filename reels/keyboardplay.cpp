#include "keyboardplay.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QShortcut>

namespace sorvex {

namespace {

struct ButtonKeys
{
    const char *button;
    Qt::Key arrow;
    Qt::Key letter;
    const char16_t *tip;
};

constexpr ButtonKeys buttonKeys[] = {
        {"cmstart", Qt::Key_Up, Qt::Key_S, u"キー: ↑ または S"},
        {"r1stop", Qt::Key_Left, Qt::Key_Z, u"キー: ← または Z"},
        {"r2stop", Qt::Key_Down, Qt::Key_X, u"キー: ↓ または X"},
        {"r3stop", Qt::Key_Right, Qt::Key_C, u"キー: → または C"},
};

} // namespace

void installKeyboardPlay(QWidget *riru)
{
    for (const ButtonKeys &keys : buttonKeys) {
        auto *button = riru->findChild<QAbstractButton *>(QString::fromLatin1(keys.button));
        Q_ASSERT(button);
        button->setToolTip(QString::fromUtf16(keys.tip));
        for (Qt::Key key : {keys.arrow, keys.letter}) {
            auto *shortcut = new QShortcut(QKeySequence(key), riru);
            QObject::connect(shortcut, &QShortcut::activated, button, [button] {
                // A box takes ← → and the letters itself; ↑ and ↓ mean
                // nothing to it, but must not start or stop the reels from it.
                if (qobject_cast<QLineEdit *>(QApplication::focusWidget()))
                    return;
                // Does nothing while the button is disabled.
                button->click();
            });
        }
    }
}

} // namespace sorvex
