#include "qt/app_fixture.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include <sys/wait.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>
#include <QtTest/QTest>

#include "qt/application.h"
#include "qt/gl_window.h"
#include "qt/main_loop.h"
#include "qt/menu_commands.h"
#include "game/end_of_game.h"
#include "game/lifting.h"
#include "game/placing.h"
#include "game/table.h"
#include "platform/platform.h"
#include "qt/platform/qt_platform.h"
#include "scene/pick.h"
#include "scene/scene_state.h"
#include "scene/view.h"
#include "scores/high_score.h"
#include "store/stats_store.h"
#include "support/scratch_folder.h"
#include "support/start_values.h"

namespace {

constexpr uint32_t START_TICK = 1000;
constexpr int64_t START_TIME = 1700000000;  // a fixed calendar moment, so deals repeat
constexpr double PI = 3.14159265358979323846;
constexpr const char* GAME_FILES[] = {"resources.rcc", "Backgrounds", "tick.wav", "harrow.cur", "hnwse.cur",
                                      "instructions.htm"};

std::unique_ptr<ScratchFolder> g_workFolder;  // the working directory of the tests
int g_startedSignal = -1;  // pipe to the parent process, written once the window is up
uint32_t g_tick = START_TICK;
Application g_application;
char g_programName[] = "app_test";
char* g_arguments[] = {g_programName, nullptr};

QMouseEvent MouseEvent(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    const QPointF local(at);
    return QMouseEvent(type, local, app_test::Area()->mapToGlobal(local), button, buttons, Qt::NoModifier);
}

void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event = MouseEvent(type, at, button, buttons);
    QCoreApplication::sendEvent(app_test::Area(), &event);
}

class AppEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        g_workFolder = std::make_unique<ScratchFolder>("tarvik-app-test");
        ASSERT_FALSE(g_workFolder->Path().empty());
        for (const char* name : GAME_FILES) {
            std::filesystem::create_symlink(std::filesystem::path(TARVIK_GAME_DIR) / name,
                                            g_workFolder->Path() / name);
        }
        QtPlatformSetClockOverride(true);
        QtPlatformSetTick(START_TICK);
        QtPlatformSetTime(START_TIME);
        QtPlatformSetDocumentsRecordedOnly(true);
        g_application.argc = 1;
        g_application.argv = g_arguments;
        const StartResult start = StartApplication(g_application);
        ASSERT_TRUE(start.runLoop) << "the program did not start";
        QElapsedTimer waited;
        waited.start();
        while (!app_test::Area()->isExposed() && waited.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        ASSERT_TRUE(app_test::Area()->isExposed());
        // Other programs' windows on the tests' display may cover this one,
        // which would stop its frames; the test of covering watches for itself.
        QtPlatformWatchCovering(nullptr);
        // What the window starts with, before any test changes it.
        app_test::g_start.viewport = app_test::ViewportNow();
        app_test::g_start.redealEnabled = app_test::MenuAction(COMMAND_REDEAL)->isEnabled();
        app_test::g_start.mainMenuEnabled = app_test::MenuAction(COMMAND_MAIN_MENU)->isEnabled();
        const char up = 1;
        if (write(g_startedSignal, &up, 1) != 1) {
            ADD_FAILURE() << "could not report the start";
        }
        close(g_startedSignal);
    }

    void TearDown() override
    {
        FinishApplication(g_application);
        g_workFolder.reset();
    }
};

}  // namespace

namespace app_test {

StartState g_start;

std::vector<int> ViewportNow()
{
    MakeWindowCurrent(g_glWindow);
    GLint values[4] = {};
    glGetIntegerv(GL_VIEWPORT, values);
    return {values[0], values[1], values[2], values[3]};
}

std::string WorkDir()
{
    return g_workFolder->Path().string();
}

QMainWindow* Frame()
{
    return g_qtWindow.window;
}

QWindow* Area()
{
    return g_qtWindow.area;
}

QAction* MenuAction(int command)
{
    const QList<QAction*> actions = Frame()->findChildren<QAction*>();
    for (QAction* action : actions) {
        if (action->property(MENU_COMMAND_PROPERTY).toInt() == command) {
            return action;
        }
    }
    return nullptr;
}

void Frames(int n, uint32_t msEach)
{
    for (int i = 0; i < n; ++i) {
        g_tick += msEach;
        QtPlatformSetTick(g_tick);
        ASSERT_TRUE(g_glWindow.visible) << "a frame was asked for while the window is minimised";
        // A turn with nothing to draw does not wait: the driven clock moves
        // only when the test moves it.
        ASSERT_EQ(RunLoopOnce(0), 1);
    }
}

bool SettleCards(int limit)
{
    // A deal or a move asked for shows only at the next frame.
    Frames(1);
    for (int i = 0; i < limit; ++i) {
        bool still = true;
        for (const Card& card : g_cards) {
            if (card.moving || card.flipping) {
                still = false;
                break;
            }
        }
        if (still) {
            return true;
        }
        Frames(1, 250);
    }
    return false;
}

int HiddenRows()
{
    return g_windowHeight - qRound(Area()->height() * Area()->devicePixelRatio());
}

QPoint AreaPointOfScene(float x, float y, float z)
{
    const double focal = 1.0 / std::tan(FIELD_OF_VIEW / 2.0 * PI / 180.0);
    const double aspect = static_cast<double>(g_windowWidth) / g_windowHeight;
    const double ndcX = focal / aspect * x / -z;
    const double ndcY = focal * y / -z;
    const double fromLeft = (ndcX + 1.0) / 2.0 * g_windowWidth;
    const double fromTop = g_windowHeight - (ndcY + 1.0) / 2.0 * g_windowHeight;
    const double ratio = Area()->devicePixelRatio();
    return QPoint(static_cast<int>(fromLeft / ratio), static_cast<int>((fromTop - HiddenRows()) / ratio));
}

QPoint AreaPointOfPointer(float worldX, float worldY)
{
    const double halfWidth = g_windowWidth / 2.0;
    const double halfHeight = g_windowHeight / 2.0;
    const double fromLeft = worldX / 14.0 * halfWidth + halfWidth;
    const double fromTop = -worldY / 10.0 * halfHeight + halfHeight;
    const double ratio = Area()->devicePixelRatio();
    return QPoint(qRound(fromLeft / ratio), qRound((fromTop - HiddenRows()) / ratio));
}

void MoveTo(QPoint at)
{
    Send(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
}

void PressAt(QPoint at)
{
    Send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
}

void ReleaseAt(QPoint at)
{
    Send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

void DragCardToPile(int32_t card, int32_t pile)
{
    const Card& c = g_cards[card];
    const QPoint from = AreaPointOfScene(c.x, c.y, c.z);
    MoveTo(from);
    PressAt(from);
    Frames(1);
    const Pile& target = CurrentLayout().piles[pile];
    const int32_t top = TopSlot(pile) < 0 ? 0 : TopSlot(pile);
    const QPoint to = AreaPointOfPointer(target.slots[0].x + 0.5f, target.slots[top].y - 1.0f);
    MoveTo(to);
    Frames(1);
    ReleaseAt(to);
    Frames(1);
}

bool StartGame(int32_t game)
{
    // The buttons lie down the right of the menu. Their centres are found once
    // by picking over that half; the menu looks the same after every reset.
    static QPoint centres[GAME_BAKERS_DOZEN + 1];
    if (centres[game].isNull()) {
        QPoint sums[GAME_BAKERS_DOZEN + 1];
        int counts[GAME_BAKERS_DOZEN + 1] = {};
        MakeWindowCurrent(g_glWindow);
        for (int y = 0; y < Area()->height(); y += 6) {
            for (int x = Area()->width() / 2; x < Area()->width(); x += 6) {
                MoveTo(QPoint(x, y));
                g_pressPending = 0;
                PickAtPointer();
                const int32_t named = g_pickedName - 100;
                if (named >= GAME_KLONDIKE && named <= GAME_BAKERS_DOZEN) {
                    sums[named] += QPoint(x, y);
                    ++counts[named];
                }
            }
        }
        for (int32_t g = GAME_KLONDIKE; g <= GAME_BAKERS_DOZEN; ++g) {
            if (counts[g] > 0) {
                centres[g] = sums[g] / counts[g];
            }
        }
    }
    if (centres[game].isNull()) {
        return false;
    }
    MoveTo(centres[game]);
    PressAt(centres[game]);
    ReleaseAt(centres[game]);
    return g_gameMode == game && SettleCards();
}

void AnswerModal(std::function<void(QDialog*)> answer)
{
    // Polls from the dialog's own loop until the dialog is up.
    auto* timer = new QTimer(QCoreApplication::instance());
    auto triesLeft = std::make_shared<int>(500);
    QObject::connect(timer, &QTimer::timeout, [timer, answer, triesLeft] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        const bool open = dialog != nullptr && dialog->isVisible();
        if (open || --*triesLeft == 0) {
            timer->stop();
            timer->deleteLater();
            if (open) {
                answer(dialog);
            } else {
                ADD_FAILURE() << "no modal dialog opened";
            }
        }
    });
    timer->start(10);
}

void ClickControl(QDialog* dialog, int controlId)
{
    auto* button = dialog->findChild<QAbstractButton*>(QString::number(controlId));
    ASSERT_NE(button, nullptr) << "no button " << controlId;
    button->click();
}

std::string ControlText(QDialog* dialog, int controlId)
{
    const QString name = QString::number(controlId);
    if (auto* label = dialog->findChild<QLabel*>(name)) {
        return label->text().toStdString();
    }
    if (auto* field = dialog->findChild<QLineEdit*>(name)) {
        return field->text().toStdString();
    }
    ADD_FAILURE() << "no control " << controlId;
    return {};
}

void ResetProgramState()
{
    if (Frame()->windowState() != Qt::WindowNoState) {
        Frame()->showNormal();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(Area()));
    }
    // Every global as its definition starts it (so the menu as it first
    // appears, its buttons where they were found), then what the window's
    // creation switches on.
    RestoreRulesStartValues();
    RestoreSceneStartValues();
    g_alternateBackgrounds = 1;
    MakeWindowCurrent(g_glWindow);
    ReshapeGL(640, 480);
    SysCheckMenuItem(COMMAND_SOUND_ON, 1);
    SysCheckMenuItem(COMMAND_ALTERNATE_BACKGROUNDS, 1);
    SysEnableMenuItem(COMMAND_REDEAL, 0);
    SysEnableMenuItem(COMMAND_MAIN_MENU, 0);
    SetDefaultStats();
    for (int i = 0; i < STATS_SESSION_COUNT; ++i) {
        SetSessionCount(i, 0);
    }
    g_tick += 1000;
    QtPlatformSetTick(g_tick);
    QtPlatformSetTime(START_TIME);
    g_glWindow.lastTickCount = g_tick;
    QCoreApplication::processEvents();
}

}  // namespace app_test

// The virtual display of the test machines now and then refuses a connection,
// and Qt then aborts the process before any test ran. The tests run in a
// child process that reports once the window is up; a child that ends before
// that is started again, at most three times.
int main(int argc, char** argv)
{
    // Every try's folder is made inside this one, so a try that crashed
    // leaves nothing behind either.
    const ScratchFolder tries("tarvik-app-tries", false);
    for (int attempt = 1;; ++attempt) {
        int started[2];
        if (pipe(started) != 0) {
            return 1;
        }
        const pid_t child = fork();
        if (child == 0) {
            close(started[0]);
            g_startedSignal = started[1];
            ::testing::InitGoogleTest(&argc, argv);
            ::testing::AddGlobalTestEnvironment(new AppEnvironment());
            return RUN_ALL_TESTS();
        }
        close(started[1]);
        char byte = 0;
        const bool windowCameUp = read(started[0], &byte, 1) == 1;
        close(started[0]);
        int status = 0;
        waitpid(child, &status, 0);
        if (windowCameUp || attempt == 3) {
            return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
        }
        std::fprintf(stderr, "The program did not come up (attempt %d); starting the tests again.\n", attempt);
    }
}
