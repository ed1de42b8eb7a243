#include "messagerecorder.h"

namespace sorvex::testing {

MessageRecorder::MessageRecorder()
    : m_previous(setMessageHandler([this](QWidget *parent, const QString &prompt) {
        m_messages.append({parent, prompt});
    }))
{}

MessageRecorder::~MessageRecorder()
{
    setMessageHandler(std::move(m_previous));
}

QStringList MessageRecorder::prompts() const
{
    QStringList prompts;
    for (const Message &message : m_messages)
        prompts.append(message.prompt);
    return prompts;
}

} // namespace sorvex::testing
