#pragma once

#include <QPointer>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace sorvex {

// The manual viewer. It reads the manual when it is loaded, so hiding and
// showing it again keeps the text, the scroll position and any edits; only
// a new load reads the file again.
class Readme : public QWidget
{
    Q_OBJECT

public:
    // mainWindow is brought back to the front after a problem with the file
    // has been reported, before the viewer itself opens.
    explicit Readme(QWidget *mainWindow, QWidget *parent = nullptr);

    // Reads the manual from the data folders (working folder first) into
    // Text1 and reports a missing or unreadable file in a message box. A
    // line longer than 1024 characters is shown cut into lines of that
    // length.
    void loadManual();

    QPlainTextEdit *Text1() const { return m_Text1; }
    QPushButton *Command1() const { return m_Command1; }

private:
    QPointer<QWidget> m_mainWindow;
    QPlainTextEdit *m_Text1 = nullptr;
    QPushButton *m_Command1 = nullptr;
};

} // namespace sorvex
