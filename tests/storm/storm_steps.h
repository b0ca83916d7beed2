#pragma once
// The single inputs the storm's scripts are made of, and the points they aim
// at. A step sets g_doing to what it does before it does it.

#include <cstdint>
#include <functional>
#include <random>

#include <QEvent>
#include <QPoint>

#include "storm/storm_inputs.h"

namespace storm {

// Writes what the step is doing into g_doing, printf style.
void Doing(const char* format, ...);
// A game is dealt and on the table (no deal waiting).
bool TableOn();
// An integer in [lo, hi].
int Between(std::mt19937& random, int lo, int hi);

// Points of the GL area (logical pixels from its top left): anywhere inside,
// off any side, on a card as it shows now, where held cards drop onto a pile
// (anywhere inside when the view cannot show it).
QPoint InsidePoint(std::mt19937& random);
QPoint OutsidePoint(std::mt19937& random);
QPoint CardPoint(std::mt19937& random, int32_t card);
QPoint DropPoint(std::mt19937& random, int32_t pile);
// A card id: half the time the top card of a pile of the table.
int32_t RandomCard(std::mt19937& random);
void SendMouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons);

// A point worked out when a step runs; Once keeps the first answer for the
// later steps of the same script.
using Where = std::function<QPoint()>;
Where Once(Where where);

Step Move(Where where);
Step Press(Where where);
Step Release(Where where);
Step DoubleClickEvent(Where where);
// A loop turn after ms milliseconds of the driven clocks.
Step Turn(uint32_t ms);
// A frame length: mostly 0..200 ms, sometimes up to a second or several.
uint32_t FrameLength(std::mt19937& random);

// The command through its menu item, checked for its effect (a modal dialog
// opened and answered once, an option toggled with its check mark, a loss
// counted by Redeal or Main Menu during an unfinished game).
Step MenuCommand(int32_t command);
// A resize of the main window: tiny, down to the menu bar only, ordinary or large.
Step Resize(std::mt19937& random);
enum WindowChange : int { WINDOW_MINIMISE, WINDOW_RESTORE, WINDOW_MAXIMISE };
Step WindowState(WindowChange change);
// The calendar clock on to the next full or half minute, past a win phase's
// time limit, or by hours.
Step CalendarJump(std::mt19937& random);

}  // namespace storm
