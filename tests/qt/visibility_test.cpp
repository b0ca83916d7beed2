// Frames only while the window can be seen: none while the top-level is
// unmapped or wholly covered, and the next one gets the whole time that
// passed. While a dialog stops the frames, an expose shows the last frame
// again without making one.
#include <array>
#include <vector>

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>
#include <QWindow>

#include "qt/app_fixture.h"
#include "qt/gl_window.h"
#include "qt/main_loop.h"
#include "qt/menu_commands.h"
#include "qt/x_windows.h"
#include "game/lifting.h"
#include "game/table.h"
#include "qt/platform/qt_platform.h"
#include "qt/score_dialogs.h"

using namespace app_test;

namespace {

constexpr unsigned long MAGENTA = 0xFF00FF;

// Where every card is and how it moves.
std::vector<std::array<float, 6>> Cards()
{
    std::vector<std::array<float, 6>> cards;
    for (const Card& card : g_cards) {
        cards.push_back({card.x, card.y, card.z, card.rotY, float(card.moving), float(card.flipping)});
    }
    return cards;
}

// Handles events until `done` holds, at most 5 s; whether it came to hold.
template <typename Condition>
bool HandleEventsUntil(Condition done)
{
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return done();
}

int32_t FlyingCard()
{
    for (int32_t id = 0; id < CARD_COUNT; ++id) {
        if (g_cards[id].moving) {
            return id;
        }
    }
    return -1;
}

}  // namespace

TEST_F(AppTest, UnmappedOrCoveredWindowMakesNoFramesAndTheNextGetsTheWholeTime)
{
    ASSERT_TRUE(StartGame(GAME_KLONDIKE));
    QWindow* top = Frame()->windowHandle();
    // Other tests' windows share this display: covering counts only here.
    QtPlatformWatchCovering(top);
    const QRect place = Frame()->geometry().adjusted(-10, -10, 10, 10);
    for (const bool unmapped : {true, false}) {
        SCOPED_TRACE(unmapped ? "unmapped" : "covered");
        // A new deal, its first card in flight.
        g_newGameRequested = 1;
        Frames(1);
        const int32_t flying = FlyingCard();
        ASSERT_GE(flying, 0);
        const auto cards = Cards();
        const uint64_t presented = g_glWindow.framesPresented;
        const uint32_t last = g_glWindow.lastTickCount;

        unsigned long cover = 0;
        if (unmapped) {
            x_test::Unmap(top->winId());
            ASSERT_TRUE(HandleEventsUntil([top] { return !top->isExposed(); }));
            EXPECT_TRUE(Area()->isExposed()) << "the GL area alone would tell the loop nothing";
        } else {
            cover = x_test::Cover(place.x(), place.y(), place.width(), place.height(), MAGENTA);
            ASSERT_TRUE(HandleEventsUntil([] { return QtPlatformWindowCovered(); }));
        }
        for (int turn = 1; turn <= 3; ++turn) {
            QtPlatformSetTick(last + 1000 * turn);
            // The loop waits for events, as while minimised, until a timer wakes it.
            QTimer::singleShot(30, [] {});
            ASSERT_EQ(RunLoopOnce(), 1);
        }
        EXPECT_EQ(g_glWindow.framesPresented, presented);
        EXPECT_EQ(g_glWindow.lastTickCount, last);
        EXPECT_EQ(Cards(), cards);

        if (unmapped) {
            x_test::Map(top->winId());
        } else {
            x_test::Uncover(cover);
        }
        ASSERT_TRUE(HandleEventsUntil([top] { return top->isExposed() && !QtPlatformWindowCovered(); }));
        // One frame a minute later: the card lands in it, so it got the minute.
        Frames(1, 60000);
        EXPECT_EQ(g_glWindow.framesPresented, presented + 1);
        EXPECT_GE(g_glWindow.lastTickCount - last, 60000u);
        EXPECT_FALSE(g_cards[flying].moving);
    }
    QtPlatformWatchCovering(nullptr);
}

TEST_F(AppTest, ExposeDuringADialogShowsTheLastFrameAgainWithoutAFrame)
{
    ASSERT_TRUE(StartGame(GAME_KLONDIKE));
    Frames(2);
    // The table's top left, away from the dialog in the middle.
    const QPoint spot = Area()->mapToGlobal(QPoint(30, 30));
    const unsigned long shown = x_test::ScreenPixel(spot.x(), spot.y());
    ASSERT_NE(shown, MAGENTA);
    bool answered = false;
    AnswerModal([&](QDialog* dialog) {
        answered = true;
        const auto cards = Cards();
        const uint64_t presented = g_glWindow.framesPresented;
        const uint32_t last = g_glWindow.lastTickCount;
        QtPlatformSetTick(last + 5000);
        // Something over the area, as a menu lies over it, then gone again.
        const unsigned long cover = x_test::Cover(spot.x() - 20, spot.y() - 20, 40, 40, MAGENTA);
        EXPECT_TRUE(HandleEventsUntil([spot] { return x_test::ScreenPixel(spot.x(), spot.y()) == MAGENTA; }));
        x_test::Uncover(cover);
        EXPECT_TRUE(HandleEventsUntil([presented] { return g_glWindow.framesPresented > presented; }))
            << "the expose showed nothing";
        // The swap reaches the server through the driver's own connection:
        // give it the time the other waits here give.
        EXPECT_TRUE(HandleEventsUntil([spot, shown] { return x_test::ScreenPixel(spot.x(), spot.y()) == shown; }))
            << "what lay over the area stayed painted";
        EXPECT_EQ(g_glWindow.lastTickCount, last);
        EXPECT_EQ(Cards(), cards);
        ClickControl(dialog, CONTROL_OK);
    });
    MenuAction(COMMAND_STATISTICS)->trigger();
    EXPECT_TRUE(answered);
}
