#pragma once

class QIcon;

namespace sorvex {

// The yellow submersible that marks the program's windows: the icon theme's
// entry for the application id when the desktop files are installed, else
// the copy built into the program.
QIcon programIcon();

} // namespace sorvex
