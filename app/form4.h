#pragma once

#include <QWidget>

namespace sorvex {

class FormButton;

// The disclaimer shown before anything else. Its OK is the only way on to
// the main window; closing it any other way (Alt+F4) ends the program.
class Form4 : public QWidget
{
    Q_OBJECT

public:
    explicit Form4(QWidget *parent = nullptr);

    FormButton *okButton() const { return m_Command1; }

signals:
    void okClicked();
    // Closed by the system's close command, without OK.
    void dismissed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    FormButton *m_Command1;
};

} // namespace sorvex
