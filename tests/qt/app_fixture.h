#pragma once
// The application suites drive the real window: one program start per test
// process (in a temporary copy of the game folder, with the clocks driven),
// synthetic pointer events sent to the GL area, menu commands triggered on
// their QActions and modal dialogs answered from a timer.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <QPoint>

class QAction;
class QDialog;
class QMainWindow;
class QWindow;

namespace app_test {

// What the window showed once it first appeared.
struct StartState {
    std::vector<int> viewport;  // x, y, width, height
    bool redealEnabled = true;
    bool mainMenuEnabled = true;
};
extern StartState g_start;

// The GL viewport now: x, y, width, height.
std::vector<int> ViewportNow();
// The temporary working directory of this test process.
std::string WorkDir();
QMainWindow* Frame();
QWindow* Area();
QAction* MenuAction(int command);

// Runs n turns of the loop, each after moving the driven tick on by msEach
// (by default one frame of a 60 Hz display, which the loop's pace allows).
void Frames(int n, uint32_t msEach = 17);
// Runs frames until no card flies or turns (at most `limit` frames); true when settled.
bool SettleCards(int limit = 2000);
// Height of the viewport rows hidden above the GL area, in pixels.
int HiddenRows();

// Area position (logical pixels from its top left) where a point of the scene
// (table units, eye space) appears.
QPoint AreaPointOfScene(float x, float y, float z);
// Area position whose pointer update gives these table units.
QPoint AreaPointOfPointer(float worldX, float worldY);

void MoveTo(QPoint at);
void PressAt(QPoint at);
void ReleaseAt(QPoint at);
// Press on the card, pointer to the drop spot over the pile, a frame, release.
void DragCardToPile(int32_t card, int32_t pile);
// Presses the main-menu button of game [1, 5] and runs frames until it is dealt.
bool StartGame(int32_t game);

// Calls answer with the next modal dialog once it is open. The answer must
// close it, or the test waits for ever.
void AnswerModal(std::function<void(QDialog*)> answer);
// Clicks the dialog's button with that control id.
void ClickControl(QDialog* dialog, int controlId);
// The text of the dialog's label or field with that control id.
std::string ControlText(QDialog* dialog, int controlId);

// Back to the start-up state: main menu, defaults in the store, both options
// on, every card at rest, the clocks at a fixed moment.
void ResetProgramState();

}  // namespace app_test

class AppTest : public ::testing::Test {
protected:
    void SetUp() override { app_test::ResetProgramState(); }
};
