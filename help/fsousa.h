#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace sorvex {

// The operation guide: the main window's buttons and boxes in miniature, as
// mock controls that do nothing, each beside a short explanation.
class Fsousa : public QWidget
{
    Q_OBJECT

public:
    explicit Fsousa(QWidget *parent = nullptr);

    QPushButton *Command1() const { return m_Command1; }

private:
    QPushButton *m_Command1 = nullptr;
};

} // namespace sorvex
