#include "readme.h"

#include "help/manualfile.h"
#include "platform/formbutton.h"
#include "platform/formcontrols.h"
#include "platform/formfont.h"
#include "platform/messagebox.h"
#include "platform/twips.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace sorvex {

Readme::Readme(QWidget *mainWindow, QWidget *parent)
    : QWidget(parent)
    , m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("readme"));
    // A sizable frame, but the controls keep their design places.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("取扱説明書"));
    const QRect client = twipsRect(0, 0, 7800, 5430);
    resize(client.size());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - client.center());

    m_Text1 = new QPlainTextEdit(this);
    m_Text1->setObjectName(QStringLiteral("Text1"));
    m_Text1->setGeometry(twipsRect(0, 120, 7695, 4455));
    m_Text1->setFont(formFont(9, false));
    m_Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab stays a focus key, as in a text box of the forms the window copies.
    m_Text1->setTabChangesFocus(true);

    m_Command1 = addButton(this, QStringLiteral("閉　じ　る"), twipsRect(2880, 4680, 1455, 615), formFont(14.25, true));
    m_Command1->setObjectName(QStringLiteral("Command1"));
    connect(m_Command1, &QPushButton::clicked, this, &QWidget::hide);

    setTabOrder(m_Command1, m_Text1);
    m_Command1->setFocus();
}

void Readme::loadManual()
{
    const ManualFile manual = ManualFile::load();
    m_Text1->setPlainText(manual.text());
    if (manual.status() == ManualFile::Status::Loaded)
        return;
    showMessage(m_mainWindow, manual.message());
    if (m_mainWindow) {
        m_mainWindow->show();
        m_mainWindow->raise();
        m_mainWindow->activateWindow();
    }
}

} // namespace sorvex
