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

namespace {

// Shows a line longer than this as several lines of this length. The text
// area lays out and shapes a line as a whole, every time it shows any part
// of it: a manual of one megabyte on one line took seconds to appear, and
// seconds again at every scroll. Lines this long are no prose anybody reads
// across; pieces of them appear at once.
constexpr qsizetype longestShownLine = 1024;

QString withLongLinesCut(const QString &text)
{
    QString shown;
    shown.reserve(text.size() + text.size() / longestShownLine);
    qsizetype lineLength = 0;
    for (const QChar c : text) {
        if (c == u'\n' || c == u'\r') {
            lineLength = 0;
        } else if (lineLength == longestShownLine) {
            shown += u'\n';
            lineLength = 0;
        }
        shown += c;
        lineLength += c != u'\n' && c != u'\r';
    }
    return shown;
}

} // namespace

Readme::Readme(QWidget *mainWindow, QWidget *parent)
    : QWidget(parent)
    , m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("readme"));
    // A sizable frame, but the controls keep their design places.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFormCaption(this, QStringLiteral("取扱説明書"));
    const QRect client = twipsRect(0, 0, 7800, 5430);
    resize(client.size());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - client.center());

    m_Text1 = new QPlainTextEdit(this);
    m_Text1->setObjectName(QStringLiteral("Text1"));
    m_Text1->setAccessibleName(QStringLiteral("取扱説明書の本文"));
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
    m_Text1->setPlainText(withLongLinesCut(manual.text()));
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
