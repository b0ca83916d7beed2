#include "storm/storm_steps.h"

#include <cstdarg>
#include <cstdio>
#include <memory>
#include <optional>

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QWindow>

#include "qt/app_fixture.h"
#include "qt/menu_commands.h"
#include "game/end_of_game.h"
#include "game/lifting.h"
#include "game/placing.h"
#include "game/table.h"
#include "qt/platform/qt_platform.h"
#include "scene/scene_state.h"
#include "store/stats_store.h"
#include "storm/storm_driver.h"
#include "storm/storm_inputs.h"

namespace storm {

void Doing(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(g_doing, sizeof g_doing, format, arguments);
    va_end(arguments);
}

bool TableOn() { return g_gameMode >= GAME_KLONDIKE && g_gameMode <= GAME_BAKERS_DOZEN && !g_newGameRequested; }

int Between(std::mt19937& random, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); }

QPoint InsidePoint(std::mt19937& random)
{
    const QWindow* area = app_test::Area();
    return QPoint(Between(random, 0, std::max(0, area->width() - 1)), Between(random, 0, std::max(0, area->height() - 1)));
}

QPoint OutsidePoint(std::mt19937& random)
{
    const QWindow* area = app_test::Area();
    QPoint at = InsidePoint(random);
    switch (Between(random, 0, 3)) {
    case 0: at.setX(-Between(random, 1, 400)); break;
    case 1: at.setX(area->width() + Between(random, 0, 400)); break;
    case 2: at.setY(-Between(random, 1, 400)); break;
    default: at.setY(area->height() + Between(random, 0, 400)); break;
    }
    return at;
}

// Where a card shows now, or anywhere inside when the view shows nothing.
QPoint CardPoint(std::mt19937& random, int32_t card)
{
    const Card& c = g_cards[card];
    QPoint at;
    return ScenePoint(c.x, c.y, c.z, &at) ? at + QPoint(Between(random, -3, 3), Between(random, -3, 3))
                                          : InsidePoint(random);
}

// Where held cards land on the pile, or anywhere inside.
QPoint DropPoint(std::mt19937& random, int32_t pile)
{
    if (!TableOn() || pile < 0 || pile >= CurrentLayout().pileCount) {
        return InsidePoint(random);
    }
    const Pile& target = CurrentLayout().piles[pile];
    const int32_t top = TopSlot(pile) < 0 ? 0 : TopSlot(pile);
    QPoint at;
    return PointerPoint(target.slots[0].x + 0.5f, target.slots[top].y - 1.0f, &at) ? at : InsidePoint(random);
}

int32_t RandomCard(std::mt19937& random)
{
    if (TableOn() && Between(random, 0, 1) == 0) {
        const int32_t pile = Between(random, 0, CurrentLayout().pileCount - 1);
        if (TopCard(pile) >= 0) {
            return TopCard(pile);
        }
    }
    return Between(random, 0, CARD_COUNT - 1);
}

void SendMouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    const QPointF local(at);
    QMouseEvent event(type, local, app_test::Area()->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(app_test::Area(), &event);
}

using Where = std::function<QPoint()>;

Step Move(Where where)
{
    return [where] {
        const QPoint at = where();
        Doing("move to (%d, %d)", at.x(), at.y());
        app_test::MoveTo(at);
        return std::string();
    };
}

Step Press(Where where)
{
    return [where] {
        const QPoint at = where();
        Doing("left press at (%d, %d)", at.x(), at.y());
        app_test::PressAt(at);
        return std::string();
    };
}

Step Release(Where where)
{
    return [where] {
        const QPoint at = where();
        Doing("left release at (%d, %d)", at.x(), at.y());
        app_test::ReleaseAt(at);
        return std::string();
    };
}

Step DoubleClickEvent(Where where)
{
    return [where] {
        const QPoint at = where();
        Doing("double-click event at (%d, %d)", at.x(), at.y());
        SendMouse(QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
        return std::string();
    };
}

Step Turn(uint32_t ms)
{
    return [ms] {
        Doing("loop turn of %u ms", ms);
        return LoopTurn(ms);
    };
}

uint32_t FrameLength(std::mt19937& random)
{
    const int kind = Between(random, 0, 99);
    if (kind < 10) {
        return 0;
    }
    if (kind < 90) {
        return static_cast<uint32_t>(Between(random, 1, 200));
    }
    if (kind < 97) {
        return static_cast<uint32_t>(Between(random, 200, 1000));
    }
    return static_cast<uint32_t>(Between(random, 1000, 8000));
}

// A position worked out once, when the first step of its script runs.
Where Once(Where where)
{
    auto kept = std::make_shared<std::optional<QPoint>>();
    return [where, kept] {
        if (!kept->has_value()) {
            *kept = where();
        }
        return **kept;
    };
}

namespace {

std::string CheckMenuEffect(int32_t command, bool enabled, int dialogsBefore, uint8_t soundBefore,
                            uint8_t backgroundsBefore, int32_t modeBefore, int32_t winCountedBefore,
                            int32_t lossesBefore)
{
    QAction* action = app_test::MenuAction(command);
    const bool wasGame = modeBefore >= GAME_KLONDIKE && modeBefore <= GAME_BAKERS_DOZEN;
    const int32_t lossIndex = wasGame ? 5 + StatsSlot(modeBefore) : -1;
    const int32_t lossesNow = wasGame ? GetSessionCount(lossIndex) : 0;
    const int32_t lossesWanted = lossesBefore + (enabled && wasGame && winCountedBefore == 0 ? 1 : 0);
    switch (command) {
    case COMMAND_HIGH_SCORES:
    case COMMAND_STATISTICS:
    case COMMAND_ABOUT:
        return DialogsAnswered() == dialogsBefore + 1 ? "" : "the dialog did not open and close exactly once";
    case COMMAND_SOUND_ON:
        return g_soundOn == 1 - soundBefore && action->isChecked() == (g_soundOn == 1) ? "" : "Sound On did not toggle";
    case COMMAND_ALTERNATE_BACKGROUNDS:
        return g_alternateBackgrounds == 1 - backgroundsBefore && action->isChecked() == (g_alternateBackgrounds == 1)
                   ? ""
                   : "Alternate Backgrounds did not toggle";
    case COMMAND_INSTRUCTIONS:
        return QtPlatformLastDocument().endsWith(QStringLiteral("/instructions.htm")) ? "" : "no instructions page";
    case COMMAND_REDEAL:
        if (enabled && !g_newGameRequested) {
            return "Redeal asked for no deal";
        }
        return lossesNow == lossesWanted ? "" : "Redeal counted " + std::to_string(lossesNow - lossesBefore) + " losses";
    case COMMAND_MAIN_MENU:
        if (enabled && (g_gameMode != MODE_MAIN_MENU || action->isEnabled() ||
                        app_test::MenuAction(COMMAND_REDEAL)->isEnabled())) {
            return "Main Menu did not leave for the menu with both items greyed";
        }
        return lossesNow == lossesWanted ? "" : "Main Menu counted " + std::to_string(lossesNow - lossesBefore) + " losses";
    default:
        return {};
    }
}

}  // namespace

Step MenuCommand(int32_t command)
{
    return [command] {
        QAction* action = app_test::MenuAction(command);
        const bool enabled = action->isEnabled();
        const QByteArray text = action->text().toLatin1();
        Doing("menu command %d \"%s\"%s", command, text.constData(), enabled ? "" : " (greyed)");
        const int dialogs = DialogsAnswered();
        const uint8_t sound = g_soundOn;
        const uint8_t backgrounds = g_alternateBackgrounds;
        const int32_t mode = g_gameMode;
        const int32_t winCounted = g_winCounted;
        const bool wasGame = mode >= GAME_KLONDIKE && mode <= GAME_BAKERS_DOZEN;
        const int32_t losses = wasGame ? GetSessionCount(5 + StatsSlot(mode)) : 0;
        action->trigger();
        return CheckMenuEffect(command, enabled, dialogs, sound, backgrounds, mode, winCounted, losses);
    };
}

Step Resize(std::mt19937& random)
{
    int width = 0, height = 0;
    const int kind = Between(random, 0, 99);
    if (kind < 20) {
        width = Between(random, 1, 80);
        height = Between(random, 1, 80);
    } else if (kind < 35) {
        // Only the menu bar: a GL area of height 0, where the window lets it get that small.
        width = Between(random, 100, 900);
        height = app_test::Frame()->menuBar()->height();
    } else if (kind < 85) {
        width = Between(random, 200, 1000);
        height = Between(random, 150, 800);
    } else {
        width = Between(random, 1000, 1900);
        height = Between(random, 800, 1060);
    }
    return [width, height] {
        Doing("resize the window to %d x %d", width, height);
        app_test::Frame()->resize(width, height);
        return std::string();
    };
}

Step WindowState(WindowChange change)
{
    return [change] {
        Doing("%s the window", change == WINDOW_MINIMISE ? "minimise" : change == WINDOW_MAXIMISE ? "maximise" : "restore");
        if (change == WINDOW_MINIMISE) {
            app_test::Frame()->showMinimized();
        } else if (change == WINDOW_MAXIMISE) {
            app_test::Frame()->showMaximized();
        } else {
            app_test::Frame()->showNormal();
        }
        return std::string();
    };
}

Step CalendarJump(std::mt19937& random)
{
    const int kind = Between(random, 0, 9);
    return [kind] {
        int64_t seconds = 6;  // past the five seconds a win phase may last
        if (kind < 5) {
            seconds = 30 - CalendarNow() % 30;  // the next full or half minute: a new background
        } else if (kind == 9) {
            seconds = 3 * 3600 + 17;
        }
        Doing("calendar clock on by %lld s", static_cast<long long>(seconds));
        JumpCalendar(seconds);
        return std::string();
    };
}


}  // namespace storm
