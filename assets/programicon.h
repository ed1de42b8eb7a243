#pragma once

class QIcon;

namespace sorvex {

// The reverse-DNS id that names the desktop entry, the AppStream metainfo
// and the themed icon; give it to QGuiApplication::setDesktopFileName.
inline constexpr char applicationId[] = "io.github.sorvex.Sorvex";

// The yellow submersible that marks the program's windows: the icon theme's
// entry for the application id when the desktop files are installed, else
// the copy built into the program.
QIcon programIcon();

} // namespace sorvex
