#pragma once
// What the input storm does to the running program besides sending pointer
// events: the driven clocks and the loop turns, the answers to every modal
// dialog, finding the main menu's buttons, and positions one drop from a win.

#include <cstdint>
#include <random>
#include <string>

#include <QPoint>

namespace storm {

// Takes over the clocks from the program's present tick and calendar time.
void StartClocks();
// Moves the tick on by ms and the calendar clock with it (whole seconds).
void AdvanceClocks(uint32_t ms);
// Moves only the calendar clock on, by seconds.
void JumpCalendar(int64_t seconds);
int64_t CalendarNow();

// One turn of the program's loop after the clocks moved on by ms. Also posts
// an event and checks that the loop handles it within a few turns. Empty
// text when the loop turned and answered, else what went wrong.
std::string LoopTurn(uint32_t ms);

// Starts answering every modal dialog from a timer: sometimes with a typed
// name, sometimes pressing the dialog's Clear buttons first, then closing it.
void StartAnswering(uint32_t seed);
// Dialogs answered since the start, and of those the name entries.
int DialogsAnswered();
int NameEntriesAnswered();
// Whether "Clear All Stats" was pressed since the last call; clears the flag.
bool TakeStatsCleared();
// A fault seen while answering (empty when none); cleared by reading it.
std::string TakeAnswerFault();

// Where the main menu's button of game [1, 5] lies in the GL area now; false
// when the area is too small to show it.
bool MenuButtonAt(int32_t game, QPoint* at);

// Area position at which a point of the scene (table units) appears, and the
// one whose pointer update gives these table units; false when the viewport
// is empty or the point lies far outside.
bool ScenePoint(float x, float y, float z, QPoint* at);
bool PointerPoint(float worldX, float worldY, QPoint* at);

// Lays out the current game (on the table, nothing held) one drop from a
// win through the table's own moves, and lets the cards come to rest. The
// winning drop is `card` onto `pile`; card -1 when no game is on the table.
// Returns a loop fault met while the cards settle, else empty.
std::string BuildNearWin(std::mt19937& random, int32_t* card, int32_t* pile);

}  // namespace storm
