#pragma once

#include "platform/messagebox.h"

#include <QStringList>

class QWidget;

namespace sorvex::testing {

// Records every message box the program would show, in place of the modal
// box, while the object lives; the previous handler comes back after.
class MessageRecorder
{
public:
    struct Message
    {
        QWidget *parent;
        QString prompt;
    };

    MessageRecorder();
    ~MessageRecorder();

    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    QStringList prompts() const;
    const QList<Message> &messages() const { return m_messages; }
    void clear() { m_messages.clear(); }

private:
    QList<Message> m_messages;
    MessageHandler m_previous;
};

} // namespace sorvex::testing
