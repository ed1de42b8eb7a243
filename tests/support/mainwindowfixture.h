#pragma once

#include "messagerecorder.h"
#include "picturefolder.h"

#include "reels/riru.h"

#include <memory>

class QPushButton;

namespace sorvex::testing {

// A main window loaded from a folder of stand-in pictures, with its message
// boxes recorded instead of shown. Create one in a test's init() and reset
// it in cleanup().
class MainWindowFixture
{
public:
    MainWindowFixture();
    ~MainWindowFixture();
    MainWindowFixture(const MainWindowFixture &) = delete;
    MainWindowFixture &operator=(const MainWindowFixture &) = delete;

    Riru &riru() { return *m_riru; }
    const MessageRecorder &messages() const { return m_recorder; }
    MessageRecorder &messages() { return m_recorder; }

    // The window's control of that objectName, or nullptr.
    template<typename Control = QWidget>
    Control *control(const char *name) const
    {
        return m_riru->findChild<Control *>(QString::fromLatin1(name));
    }

    // Shows the window and waits until it is the active one, for tests of
    // focus and keys.
    bool showActive();

private:
    MessageRecorder m_recorder;
    PictureFolder m_folder;
    std::unique_ptr<Riru> m_riru;
};

} // namespace sorvex::testing
