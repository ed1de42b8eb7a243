#include "messagebox.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace sorvex {

namespace {
MessageHandler &currentHandler()
{
    static MessageHandler handler;
    return handler;
}
} // namespace

void showMessage(QWidget *parent, const QString &prompt)
{
    if (const MessageHandler &handler = currentHandler()) {
        handler(parent, prompt);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationName(), prompt, QMessageBox::Ok, parent);
    box.exec();
}

MessageHandler setMessageHandler(MessageHandler handler)
{
    MessageHandler previous = std::move(currentHandler());
    currentHandler() = std::move(handler);
    return previous;
}

} // namespace sorvex
