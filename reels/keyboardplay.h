#pragma once

class QWidget;

namespace sorvex {

// Keys that press the main window's start and stop buttons, so that a spin
// can be played without the mouse: ↑ or S presses start, ← ↓ → or Z X C
// press the left, middle and right reel's stop. A key presses its button
// only while the button is enabled, as a click would; while one of the two
// boxes has the focus, the arrows and letters are the box's own. Each
// button's tool tip names its keys.
void installKeyboardPlay(QWidget *riru);

} // namespace sorvex
