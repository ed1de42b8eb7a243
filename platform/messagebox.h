#pragma once

#include <functional>

class QString;
class QWidget;

namespace sorvex {

// A modal message box with an OK button only and no icon, captioned with the
// application's title, as the forms runtime shows them.
void showMessage(QWidget *parent, const QString &prompt);

// Replaces the modal box, so that tests can see what would have been shown
// without a nested event loop. Returns the handler it replaces; an empty
// handler restores the real box.
using MessageHandler = std::function<void(QWidget *parent, const QString &prompt)>;
MessageHandler setMessageHandler(MessageHandler handler);

} // namespace sorvex
