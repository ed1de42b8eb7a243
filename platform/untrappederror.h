#pragma once

#include "runtimeerror.h"

class QWidget;

namespace sorvex {

// The exit status of a program ended by an error that no handler traps.
inline constexpr int untrappedErrorExitStatus = 1;

// What the runtime does with an error no handler traps: a message box that
// names it, then the end of the program: the event loop returns
// untrappedErrorExitStatus.
void endWithUntrappedError(QWidget *parent, const RuntimeError &error);

// Runs an event handler. A RuntimeError escaping it ends the program as
// above; it must not unwind through the event loop, which Qt forbids.
template<typename Handler>
void runHandler(QWidget *window, Handler &&handler)
{
    try {
        handler();
    } catch (const RuntimeError &error) {
        endWithUntrappedError(window, error);
    }
}

} // namespace sorvex
