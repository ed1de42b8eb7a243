#include "untrappederror.h"

#include "messagebox.h"

#include <QCoreApplication>

namespace sorvex {

void endWithUntrappedError(QWidget *parent, const RuntimeError &error)
{
    showMessage(parent, error.message());
    QCoreApplication::exit(untrappedErrorExitStatus);
}

} // namespace sorvex
