// The window, its menu, the pointer mapping through size changes, the cursors
// and the mouse buttons.
#include <GL/gl.h>

#include <cmath>
#include <ctime>

#include <QAction>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QMenu>
#include <QMenuBar>
#include <QOpenGLContext>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>
#include <QtTest/QTest>

#include "qt/app_fixture.h"
#include "app/window_proc.h"
#include "qt/gl_window.h"
#include "qt/main_loop.h"
#include "qt/menu_commands.h"
#include "game/lifting.h"
#include "game/placing.h"
#include "game/table.h"
#include "platform/common/cursors.h"
#include "platform/platform.h"
#include "scene/pickables.h"
#include "qt/platform/qt_platform.h"
#include "scene/scene_state.h"

using namespace app_test;

namespace {

int MenuBarRows()
{
    return qRound(Frame()->menuBar()->height() * Area()->devicePixelRatio());
}

// The viewport the window starts with, whatever earlier tests did to it.
void UseFirstViewport()
{
    ASSERT_TRUE(MakeWindowCurrent(g_glWindow));
    ReshapeGL(640, 480);
}

std::vector<int> Viewport()
{
    return ViewportNow();
}

// Waits in the loop, as it does while minimised, until a timer wakes it.
void IdleTurn()
{
    QTimer::singleShot(30, [] {});
    ASSERT_EQ(RunLoopOnce(), 1);
}

int32_t CardUnderPointerOnStock()
{
    return TopCard(1);
}

}  // namespace

TEST_F(AppTest, WindowHasTitleInsideSizeAndContext)
{
    EXPECT_EQ(Frame()->windowTitle().toStdString(), "Tarvik Solitaire");
    EXPECT_EQ(Frame()->size(), QSize(640, 480));
    EXPECT_GT(Frame()->menuBar()->height(), 0);
    EXPECT_EQ(Area()->height(), 480 - Frame()->menuBar()->height());
    EXPECT_EQ(Area()->width(), 640);
    const QSurfaceFormat format = g_qtWindow.renderContext->format();
    EXPECT_GE(format.depthBufferSize(), 16);
    EXPECT_NE(format.swapBehavior(), QSurfaceFormat::SingleBuffer);
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    EXPECT_EQ(g_start.viewport, (std::vector<int>{0, 0, 640, 480})) << "the first viewport was replaced";
    EXPECT_FALSE(g_start.redealEnabled);
    EXPECT_FALSE(g_start.mainMenuEnabled);
}

TEST_F(AppTest, MenuFollowsTheCommandTable)
{
    const QList<QAction*> top = Frame()->menuBar()->actions();
    ASSERT_EQ(top.size(), 2);
    EXPECT_EQ(top[0]->text().toStdString(), "&Game");
    EXPECT_EQ(top[1]->text().toStdString(), "&Help");
    const QList<QAction*> game = top[0]->menu()->actions();
    ASSERT_EQ(game.size(), 8);
    EXPECT_EQ(game[0]->text().toStdString(), "&Redeal");
    EXPECT_EQ(game[0]->property(MENU_COMMAND_PROPERTY).toInt(), 32776);
    EXPECT_EQ(game[1]->property(MENU_COMMAND_PROPERTY).toInt(), 32773);
    EXPECT_TRUE(game[2]->isSeparator());
    EXPECT_EQ(game[3]->text().toStdString(), "&High Scores");
    EXPECT_EQ(game[4]->text().toStdString(), "&Statistics");
    ASSERT_NE(game[5]->menu(), nullptr);
    EXPECT_EQ(game[5]->text().toStdString(), "&Options");
    const QList<QAction*> options = game[5]->menu()->actions();
    ASSERT_EQ(options.size(), 2);
    EXPECT_EQ(options[0]->text().toStdString(), "Sound On");
    EXPECT_EQ(options[1]->text().toStdString(), "Alternate Backgrounds");
    EXPECT_TRUE(options[0]->isChecked());
    EXPECT_TRUE(options[1]->isChecked());
    EXPECT_TRUE(game[6]->isSeparator());
    EXPECT_EQ(game[7]->text().toStdString(), "E&xit");
    EXPECT_EQ(game[7]->property(MENU_COMMAND_PROPERTY).toInt(), 105);
    const QList<QAction*> help = top[1]->menu()->actions();
    ASSERT_EQ(help.size(), 2);
    EXPECT_EQ(help[0]->property(MENU_COMMAND_PROPERTY).toInt(), 32783);
    EXPECT_EQ(help[1]->text().toStdString(), "&About...");
    EXPECT_EQ(help[1]->property(MENU_COMMAND_PROPERTY).toInt(), 104);
}

TEST_F(AppTest, MenuStatesGoThroughThePlatform)
{
    SysEnableMenuItem(COMMAND_REDEAL, 1);
    EXPECT_TRUE(MenuAction(COMMAND_REDEAL)->isEnabled());
    SysEnableMenuItem(COMMAND_REDEAL, 0);
    EXPECT_FALSE(MenuAction(COMMAND_REDEAL)->isEnabled());
    SysCheckMenuItem(COMMAND_SOUND_ON, 0);
    EXPECT_FALSE(MenuAction(COMMAND_SOUND_ON)->isChecked());
    SysCheckMenuItem(COMMAND_SOUND_ON, 1);
    EXPECT_TRUE(MenuAction(COMMAND_SOUND_ON)->isChecked());
}

TEST_F(AppTest, FirstViewportHidesTheMenuBarRows)
{
    UseFirstViewport();
    EXPECT_EQ(Viewport(), (std::vector<int>{0, 0, 640, 480}));
    EXPECT_EQ(HiddenRows(), MenuBarRows());
    MoveTo(QPoint(100, 50));
    EXPECT_EQ(g_pointerX, 100);
    EXPECT_EQ(g_pointerY, 50 + MenuBarRows());
    EXPECT_FLOAT_EQ(g_pointerWorldX, static_cast<float>((100 - 320.0) / 320.0 * 14.0));
    EXPECT_FLOAT_EQ(g_pointerWorldY, static_cast<float>(-(50 + MenuBarRows() - 240.0) / 240.0 * 10.0));
    // The bottom row of the area is the bottom row of the viewport.
    MoveTo(QPoint(639, Area()->height() - 1));
    EXPECT_EQ(g_pointerY, 479);
}

TEST_F(AppTest, MaximiseMinimiseRestoreKeepPointerOnTheViewport)
{
    UseFirstViewport();
    g_menuDepthOffset = 3.0f;
    Frame()->showMaximized();
    EXPECT_EQ(g_windowMaximized, 1);
    EXPECT_TRUE(g_glWindow.visible);
    EXPECT_EQ(g_menuDepthOffset, 0.0f);
    EXPECT_EQ(Viewport(), (std::vector<int>{0, 0, Area()->width(), Area()->height()}));
    MoveTo(QPoint(100, 50));
    EXPECT_EQ(g_pointerY, 50);

    UseFirstViewport();
    g_menuDepthOffset = 3.0f;
    Frame()->showMinimized();
    EXPECT_EQ(g_windowMaximized, 0);
    EXPECT_FALSE(g_glWindow.visible);
    EXPECT_EQ(g_menuDepthOffset, 0.0f);
    // No frame while minimised: the loop only waits.
    const uint32_t before = g_glWindow.lastTickCount;
    QtPlatformSetTick(before + 5000);
    IdleTurn();
    EXPECT_EQ(g_glWindow.lastTickCount, before);

    Frame()->showNormal();
    EXPECT_TRUE(g_glWindow.visible);
    EXPECT_EQ(g_windowMaximized, 0);
    EXPECT_EQ(Viewport(), (std::vector<int>{0, 0, Area()->width(), Area()->height()}));
    EXPECT_EQ(HiddenRows(), 0);
    MoveTo(QPoint(100, 50));
    EXPECT_EQ(g_pointerY, 50) << "rows were added although the viewport equals the area";
    EXPECT_FLOAT_EQ(g_pointerWorldY, static_cast<float>(-(50 - Area()->height() / 2.0) / (Area()->height() / 2.0) * 10.0));
    // Restoring resumes frames once the window system shows the area again.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Area()));
    Frames(1);
    EXPECT_NE(g_glWindow.lastTickCount, before);
}

// A press a few pixels inside the top and the bottom edge of the stock's
// card deals from it, at the first size and after a border drag: the rows
// added to the pointer are what the viewport and the area really differ by.
TEST_F(AppTest, PressesNearTheStockCardsEdgesLandAtEverySize)
{
    ASSERT_TRUE(StartGame(GAME_KLONDIKE));
    ASSERT_TRUE(SettleCards());
    const auto pressNearEdges = [](const char* when) {
        constexpr int INSET = 3;  // pixels inside the edge
        const int32_t card = TopCard(PILE_STOCK);
        ASSERT_GE(card, 0);
        const Card& c = g_cards[card];
        const QPoint top = AreaPointOfScene(c.x, c.y + CARD_BACK.halfHeight, c.z) + QPoint(0, INSET);
        const QPoint bottom = AreaPointOfScene(c.x, c.y - CARD_BACK.halfHeight, c.z) - QPoint(0, INSET);
        for (const QPoint& at : {top, bottom}) {
            const int32_t before = CardCount(PILE_STOCK);
            MoveTo(at);
            PressAt(at);
            ReleaseAt(at);
            Frames(1);
            EXPECT_EQ(CardCount(PILE_STOCK), before - 1) << when << ": the press at " << at.y() << " missed";
            SettleCards();
        }
    };
    UseFirstViewport();
    pressNearEdges("first size");
    const QSize first = Frame()->size();
    Frame()->resize(first + QSize(160, 120));
    ASSERT_TRUE(QTest::qWaitFor([] { return g_windowHeight != 480; }));
    EXPECT_EQ(HiddenRows(), 0);
    pressNearEdges("after a border drag");
    Frame()->resize(first);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Frame()->size() == first; }));
}

TEST_F(AppTest, ZeroHeightKeepsTheProjection)
{
    UseFirstViewport();
    GLfloat before[16] = {};
    glGetFloatv(GL_PROJECTION_MATRIX, before);
    ReshapeGL(640, 0);
    GLfloat after[16] = {};
    glGetFloatv(GL_PROJECTION_MATRIX, after);
    for (int i = 0; i < 16; ++i) {
        EXPECT_TRUE(std::isfinite(after[i]));
        EXPECT_EQ(after[i], before[i]);
    }
    UseFirstViewport();
}

TEST_F(AppTest, PointerOutsideTheAreaIsNotSeen)
{
    MoveTo(QPoint(200, 100));
    const int32_t x = g_pointerX;
    const int32_t y = g_pointerY;
    MoveTo(QPoint(200, -5));
    MoveTo(QPoint(700, 100));
    EXPECT_EQ(g_pointerX, x);
    EXPECT_EQ(g_pointerY, y);
}

TEST_F(AppTest, CursorKindsAndMissingFiles)
{
    ASSERT_NE(g_arrowCursor, 0);
    ASSERT_NE(g_moveCursor, 0);
    SetPointerCursor(0);
    EXPECT_EQ(QtPlatformCurrentCursor(), g_arrowCursor);
    EXPECT_EQ(SetPointerCursor(2), 1);
    EXPECT_EQ(SetPointerCursor(-1), 1);
    EXPECT_EQ(QtPlatformCurrentCursor(), g_arrowCursor);
    EXPECT_EQ(Area()->cursor().shape(), Qt::BitmapCursor);

    EXPECT_EQ(SysLoadCursorFile("no-such.cur"), 0);
    EXPECT_EQ(SysLoadCursorFile("tick.wav"), 0);
    SysSetCursor(0);
    EXPECT_EQ(Area()->cursor().shape(), Qt::BlankCursor);
    SetPointerCursor(0);
    EXPECT_EQ(Area()->cursor().shape(), Qt::BitmapCursor);

    // Without the arrow's file a move leaves the pointer as it was.
    const SysCursor arrow = g_arrowCursor;
    g_arrowCursor = 0;
    SetPointerCursor(1);
    MoveTo(QPoint(200, 100));
    EXPECT_EQ(QtPlatformCurrentCursor(), g_moveCursor);
    g_arrowCursor = arrow;
    MoveTo(QPoint(201, 100));
    EXPECT_EQ(QtPlatformCurrentCursor(), g_arrowCursor);
}

TEST_F(AppTest, HeldCardsShowTheMoveCursorAndTheArrowAfter)
{
    ASSERT_TRUE(StartGame(GAME_KLONDIKE));
    const int32_t card = TopCard(9);
    const QPoint at = AreaPointOfScene(g_cards[card].x, g_cards[card].y, g_cards[card].z);
    MoveTo(at);
    EXPECT_EQ(QtPlatformCurrentCursor(), g_arrowCursor);
    PressAt(at);
    Frames(1);
    ASSERT_EQ(g_holding, 1);
    EXPECT_EQ(QtPlatformCurrentCursor(), g_moveCursor);
    MoveTo(at + QPoint(3, 3));
    Frames(1);
    EXPECT_EQ(QtPlatformCurrentCursor(), g_moveCursor);
    ReleaseAt(at + QPoint(3, 3));
    EXPECT_EQ(g_holding, 0);
    EXPECT_EQ(QtPlatformCurrentCursor(), g_arrowCursor);
}

TEST_F(AppTest, DoubleClickSecondPressIsNoPress)
{
    ASSERT_TRUE(StartGame(GAME_KLONDIKE));
    const int32_t stockTop = CardUnderPointerOnStock();
    ASSERT_GE(stockTop, 0);
    const QPoint at = AreaPointOfScene(g_cards[stockTop].x, g_cards[stockTop].y, g_cards[stockTop].z);
    MoveTo(at);
    const int32_t before = CardCount(2);
    PressAt(at);
    ReleaseAt(at);
    Frames(1);
    const int32_t dealt = CardCount(2) - before;
    ASSERT_GT(dealt, 0);
    SettleCards();

    // As Qt delivers a double click: press, release, press, double click, release.
    PressAt(at);
    ReleaseAt(at);
    PressAt(at);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(at), Area()->mapToGlobal(QPointF(at)),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Area(), &doubleClick);
    ReleaseAt(at);
    Frames(1);
    EXPECT_EQ(CardCount(2), before + 2 * dealt) << "the double click's second press dealt again";
    SettleCards();

    // The same through Qt's own double-click detection.
    QTest::mouseDClick(Area(), Qt::LeftButton, Qt::NoModifier, at);
    Frames(1);
    EXPECT_EQ(CardCount(2), before + 3 * dealt);
}

TEST_F(AppTest, OtherButtonsAndWheelDoNothing)
{
    ASSERT_TRUE(StartGame(GAME_KLONDIKE));
    const int32_t card = TopCard(9);
    const QPoint at = AreaPointOfScene(g_cards[card].x, g_cards[card].y, g_cards[card].z);
    MoveTo(at);
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), Area()->mapToGlobal(QPointF(at)), button, button,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(Area(), &press);
        Frames(1);
        EXPECT_EQ(g_holding, 0);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), Area()->mapToGlobal(QPointF(at)), button,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(Area(), &release);
    }
    QWheelEvent wheel(QPointF(at), Area()->mapToGlobal(QPointF(at)), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(Area(), &wheel);
    QTest::keyClick(Area(), Qt::Key_Space);
    Frames(1);
    EXPECT_EQ(g_holding, 0);
    EXPECT_EQ(g_moveCount, 0);
    EXPECT_EQ(g_gameMode, GAME_KLONDIKE);
}

TEST_F(AppTest, ElapsedTimeSurvivesTheCounterWrapping)
{
    ASSERT_TRUE(StartGame(GAME_KLONDIKE));
    Card& first = g_cards[g_dealOrder[0]];
    const float startX = first.x;
    first.FlyTo(startX + 100.0f, first.y, first.z);
    g_glWindow.lastTickCount = 0xFFFFFFF0u;
    QtPlatformSetTick(0x10u);
    ASSERT_EQ(RunLoopOnce(), 1);
    // 32 ms at one unit per 5 ms.
    EXPECT_NEAR(first.x, startX + 6.4f, 0.01f);
    EXPECT_EQ(g_glWindow.lastTickCount, 0x10u);
}

TEST_F(AppTest, AltMnemonicAndF10OpenTheGameMenu)
{
    QMenu* game = Frame()->menuBar()->actions()[0]->menu();
    ASSERT_FALSE(game->isVisible());
    // With the pointer's GL area holding the keyboard focus, as after a click.
    Area()->requestActivate();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Area()));
    QTest::keyClick(Area(), Qt::Key_G, Qt::AltModifier);
    QCoreApplication::processEvents();
    EXPECT_TRUE(game->isVisible());
    game->hide();
    QCoreApplication::processEvents();
    ASSERT_FALSE(game->isVisible());

    QTest::keyClick(Area(), Qt::Key_F10);
    QCoreApplication::processEvents();
    EXPECT_TRUE(game->isVisible());
    game->hide();
    QCoreApplication::processEvents();
}

TEST_F(AppTest, ErrorBoxHasCaptionIconAndOnlyOk)
{
    bool answered = false;
    AnswerModal([&](QDialog* dialog) {
        answered = true;
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle().toStdString(), "Error");
        EXPECT_EQ(box->text().toStdString(), "Error Creating OpenGL Window");
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        EXPECT_EQ(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        box->button(QMessageBox::Ok)->click();
    });
    SysErrorBox("Error Creating OpenGL Window");
    EXPECT_TRUE(answered);
}

TEST_F(AppTest, ClocksFollowTheSystemWhenNotDriven)
{
    QtPlatformSetTime(125);
    EXPECT_EQ(SysSecondOfMinute(), 5);
    QtPlatformSetTime(-1);
    EXPECT_EQ(SysSecondOfMinute(), 59);
    QtPlatformSetClockOverride(false);
    const uint32_t first = SysTickCount();
    const int64_t now = static_cast<int64_t>(std::time(nullptr));
    QTest::qSleep(20);
    const uint32_t second = SysTickCount();
    const int64_t seconds = SysTimeSeconds();
    const int minuteSecond = SysSecondOfMinute();
    QtPlatformSetClockOverride(true);
    EXPECT_GE(second - first, 20u);
    EXPECT_LT(second - first, 5000u);
    EXPECT_LE(seconds - now, 2);
    EXPECT_GE(minuteSecond, 0);
    EXPECT_LE(minuteSecond, 60);
}
