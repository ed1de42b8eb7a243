#pragma once

#include <QWidget>

class QPushButton;

namespace sorvex {

// The terms window: the rules the judgements rest on, five sample judgement
// boxes with what each means, and how far the judgements can be trusted.
// Its texts are its own, not produced by the judgement tables.
class Fkaisetu : public QWidget
{
    Q_OBJECT

public:
    explicit Fkaisetu(QWidget *parent = nullptr);

    QPushButton *Command1() const { return m_Command1; }

private:
    QPushButton *m_Command1 = nullptr;
};

} // namespace sorvex
