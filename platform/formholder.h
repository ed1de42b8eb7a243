#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

namespace sorvex {

// Holds the one instance of a window. show() loads the window from its
// factory the first time (and again after it was unloaded), then makes it
// visible (restoring it if it was minimised), raises and activates it. hide() on the window keeps it loaded
// with all its state; the title bar's close button unloads (deletes) it.
template<typename Form>
class FormHolder
{
public:
    explicit FormHolder(std::function<Form *()> factory)
        : m_factory(std::move(factory))
    {}

    Form *show()
    {
        if (!m_form) {
            m_form = m_factory();
            m_form->setAttribute(Qt::WA_DeleteOnClose);
        }
        // A minimised window comes back as it was before, in front.
        m_form->setWindowState(m_form->windowState() & ~Qt::WindowMinimized);
        m_form->show();
        m_form->raise();
        m_form->activateWindow();
        return m_form;
    }

    Form *form() const { return m_form; }

    void unload() { delete m_form.data(); }

private:
    std::function<Form *()> m_factory;
    QPointer<Form> m_form;
};

} // namespace sorvex
