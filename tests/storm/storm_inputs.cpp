#include "storm/storm_inputs.h"

#include <cstdarg>
#include <cstdio>
#include <memory>
#include <optional>

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWindow>

#include "app/app_fixture.h"
#include "app/gl_window.h"
#include "app/menu_commands.h"
#include "game/end_of_game.h"
#include "game/lifting.h"
#include "game/placing.h"
#include "game/table.h"
#include "platform/qt/qt_platform.h"
#include "scene/scene_state.h"
#include "scores/stats_store.h"
#include "storm/storm_driver.h"

namespace storm {

Tally g_tally;
char g_doing[256] = "nothing yet";

namespace {

// Kinds of script, and how often each comes on each screen.
enum InputKind : int {
    MOVE_INSIDE, MOVE_OUTSIDE, PRESS, RELEASE, CLICK, DOUBLE_CLICK, OTHER_BUTTON, DRAG_CARD, CLICK_CARD,
    LOOP_TURN, MENU, RESIZE, MINIMISE, RESTORE, MAXIMISE, START_GAME, NEAR_WIN, CALENDAR, INPUT_KINDS
};
constexpr const char* INPUT_NAMES[] = {
    "move inside", "move outside", "press", "release", "click", "double click", "other button", "drag a card",
    "click a card", "loop turn", "menu command", "resize", "minimise", "restore", "maximise", "start a game",
    "near win", "calendar jump",
};
static_assert(sizeof INPUT_NAMES / sizeof INPUT_NAMES[0] == INPUT_KINDS);

enum Screen : int { ON_MENU, ON_GAME, ON_WIN, MINIMISED, SCREENS };

// screen      in  out press rel click dbl other drag card turn menu size min rest max start near cal
constexpr int WEIGHTS[SCREENS][INPUT_KINDS] = {
    /* menu */ {20, 4,  6,    6,   6,    2,  1,    0,   0,   25,  6,   3,   1,  1,   1,  12,   0,   1},
    /* game */ {12, 3,  5,    5,   4,    2,  1,    14,  6,   30,  4,   3,   1,  1,   1,  1,    2,   1},
    /* win  */ {8,  2,  3,    3,   4,    1,  1,    0,   0,   60,  3,   2,   1,  1,   1,  1,    0,   6},
    /* min  */ {0,  0,  0,    0,   0,    0,  0,    0,   0,   55,  0,   0,   0,  30,  15, 0,    0,   0},
};

// A GL area smaller than this may not show the main menu's buttons.
constexpr int MIN_PLAY_WIDTH = 200;
constexpr int MIN_PLAY_HEIGHT = 150;

// Every menu command but "E&xit".
constexpr int32_t MENU_COMMANDS[] = {
    COMMAND_REDEAL_ITEM, COMMAND_MAIN_MENU_ITEM, COMMAND_SOUND_ON, COMMAND_ALTERNATE_BACKGROUNDS,
    COMMAND_INSTRUCTIONS, COMMAND_HIGH_SCORES, COMMAND_STATISTICS, COMMAND_ABOUT,
};

void Doing(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(g_doing, sizeof g_doing, format, arguments);
    va_end(arguments);
}

bool TableOn() { return g_gameMode >= GAME_KLONDIKE && g_gameMode <= GAME_BAKERS_DOZEN && !g_newGameRequested; }

Screen ScreenNow()
{
    if (app_test::Frame()->isMinimized()) {
        return MINIMISED;
    }
    if (g_gameMode == MODE_WIN) {
        return ON_WIN;
    }
    return TableOn() ? ON_GAME : ON_MENU;
}

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
    case COMMAND_REDEAL_ITEM:
        if (enabled && !g_newGameRequested) {
            return "Redeal asked for no deal";
        }
        return lossesNow == lossesWanted ? "" : "Redeal counted " + std::to_string(lossesNow - lossesBefore) + " losses";
    case COMMAND_MAIN_MENU_ITEM:
        if (enabled && (g_gameMode != MODE_MAIN_MENU || action->isEnabled() ||
                        app_test::MenuAction(COMMAND_REDEAL_ITEM)->isEnabled())) {
            return "Main Menu did not leave for the menu with both items greyed";
        }
        return lossesNow == lossesWanted ? "" : "Main Menu counted " + std::to_string(lossesNow - lossesBefore) + " losses";
    default:
        return {};
    }
}

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

Step WindowState(InputKind kind)
{
    return [kind] {
        Doing("%s the window", INPUT_NAMES[kind]);
        if (kind == MINIMISE) {
            app_test::Frame()->showMinimized();
        } else if (kind == MAXIMISE) {
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

void PlanDrag(std::mt19937& random, std::deque<Step>& steps)
{
    const int32_t card = RandomCard(random);
    const int32_t pile = TableOn() ? Between(random, 0, CurrentLayout().pileCount - 1) : -1;
    std::mt19937* r = &random;
    const Where from = Once([r, card] { return CardPoint(*r, card); });
    const Where to = Once([r, pile] { return DropPoint(*r, pile); });
    steps.push_back(Move(from));
    steps.push_back(Press(from));
    steps.push_back(Turn(FrameLength(random)));
    for (int i = Between(random, 0, 2); i > 0; --i) {
        steps.push_back(Move([r] { return InsidePoint(*r); }));
        steps.push_back(Turn(FrameLength(random)));
    }
    steps.push_back(Move(to));
    if (Between(random, 0, 1) == 0) {
        steps.push_back(Turn(FrameLength(random)));
    }
    steps.push_back(Release(to));
}

void PlanStart(std::mt19937& random, std::deque<Step>& steps)
{
    const int32_t game = Between(random, GAME_KLONDIKE, GAME_BAKERS_DOZEN);
    if (g_gameMode != MODE_MAIN_MENU) {
        steps.push_back(MenuCommand(COMMAND_MAIN_MENU_ITEM));
    }
    // The buttons lie at the right edge of a 4:3 view: a window too small or
    // too narrow to show them is first made big and wide enough.
    const QWindow* area = app_test::Area();
    if (area->width() < MIN_PLAY_WIDTH || area->height() < MIN_PLAY_HEIGHT || area->width() * 3 < area->height() * 4) {
        const int width = Between(random, MIN_PLAY_WIDTH, 1000);
        const int height = width * 3 / 4 + app_test::Frame()->menuBar()->height();
        steps.push_back([width, height] {
            Doing("resize the window to %d x %d to show the menu's buttons", width, height);
            app_test::Frame()->resize(width, height);
            return std::string();
        });
        steps.push_back(Turn(FrameLength(random)));
        steps.push_back(Turn(FrameLength(random)));
    }
    std::mt19937* r = &random;
    const Where button = Once([r, game] {
        QPoint at;
        return MenuButtonAt(game, &at) ? at : InsidePoint(*r);
    });
    steps.push_back(Move(button));
    steps.push_back(Press(button));
    if (Between(random, 0, 3) == 0) {
        steps.push_back(Turn(FrameLength(random)));
    }
    steps.push_back([button, game] {
        const QPoint at = button();
        Doing("left release at (%d, %d) over the button of game %d", at.x(), at.y(), game);
        const bool onMenu = g_gameMode == MODE_MAIN_MENU;
        app_test::ReleaseAt(at);
        if (g_gameMode == game && (onMenu || g_newGameRequested == 0)) {
            ++g_tally.gamesStarted[game];
        }
        return std::string();
    });
}

void PlanNearWin(std::mt19937& random, std::deque<Step>& steps)
{
    auto plan = std::make_shared<std::pair<int32_t, int32_t>>(-1, -1);
    std::mt19937* r = &random;
    steps.push_back([r, plan] {
        Doing("lay out a position one drop from a win");
        std::string fault = BuildNearWin(*r, &plan->first, &plan->second);
        g_tally.nearWins += plan->first >= 0 ? 1 : 0;
        return fault;
    });
    if (Between(random, 0, 3) == 0) {
        return;  // left to the random drags
    }
    const Where from = Once([r, plan] { return plan->first >= 0 ? CardPoint(*r, plan->first) : InsidePoint(*r); });
    const Where to = Once([r, plan] { return DropPoint(*r, plan->first >= 0 ? plan->second : -1); });
    steps.push_back(Move(from));
    steps.push_back(Press(from));
    steps.push_back(Turn(16));
    steps.push_back(Move(to));
    steps.push_back(Turn(16));
    steps.push_back([to] {
        const QPoint at = to();
        Doing("left release at (%d, %d) to finish the game", at.x(), at.y());
        app_test::ReleaseAt(at);
        g_tally.winningDrops += g_gameMode == MODE_WIN ? 1 : 0;
        return std::string();
    });
}

void PlanOtherButton(std::mt19937& random, std::deque<Step>& steps)
{
    const QPoint at = InsidePoint(random);
    const int kind = Between(random, 0, 2);
    steps.push_back([at, kind] {
        Doing("%s at (%d, %d)", kind == 2 ? "wheel turn" : "right or middle click", at.x(), at.y());
        if (kind == 2) {
            QWheelEvent wheel(QPointF(at), app_test::Area()->mapToGlobal(QPointF(at)), QPoint(), QPoint(0, 120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(app_test::Area(), &wheel);
        } else {
            const Qt::MouseButton button = kind == 0 ? Qt::RightButton : Qt::MiddleButton;
            SendMouse(QEvent::MouseButtonPress, at, button, button);
            SendMouse(QEvent::MouseButtonRelease, at, button, Qt::NoButton);
        }
        return std::string();
    });
}

}  // namespace

const char* InputName(int kind) { return kind >= 0 && kind < INPUT_KINDS ? INPUT_NAMES[kind] : nullptr; }

void PlanInputs(std::mt19937& random, std::deque<Step>& steps)
{
    static std::discrete_distribution<int> choosers[SCREENS] = {
        {std::begin(WEIGHTS[ON_MENU]), std::end(WEIGHTS[ON_MENU])},
        {std::begin(WEIGHTS[ON_GAME]), std::end(WEIGHTS[ON_GAME])},
        {std::begin(WEIGHTS[ON_WIN]), std::end(WEIGHTS[ON_WIN])},
        {std::begin(WEIGHTS[MINIMISED]), std::end(WEIGHTS[MINIMISED])},
    };
    const auto kind = static_cast<InputKind>(choosers[ScreenNow()](random));
    ++g_tally.inputs[kind];
    std::mt19937* r = &random;
    switch (kind) {
    case MOVE_INSIDE: steps.push_back(Move([r] { return InsidePoint(*r); })); break;
    case MOVE_OUTSIDE: steps.push_back(Move([r] { return OutsidePoint(*r); })); break;
    case PRESS: steps.push_back(Press([r] { return InsidePoint(*r); })); break;
    case RELEASE:
        // Inside or outside, with or without a press before it.
        steps.push_back(Release([r] { return Between(*r, 0, 4) == 0 ? OutsidePoint(*r) : InsidePoint(*r); }));
        break;
    case CLICK:
    case CLICK_CARD: {
        const int32_t card = RandomCard(random);
        const Where at = Once([r, kind, card] { return kind == CLICK_CARD ? CardPoint(*r, card) : InsidePoint(*r); });
        steps.push_back(Move(at));
        steps.push_back(Press(at));
        steps.push_back(Release(at));
        break;
    }
    case DOUBLE_CLICK: {
        // As Qt delivers one: press, release, press, the double-click event, release.
        const int32_t card = RandomCard(random);
        const bool onCard = Between(random, 0, 1) == 0;
        const Where at = Once([r, onCard, card] { return onCard ? CardPoint(*r, card) : InsidePoint(*r); });
        for (const Step& step : {Move(at), Press(at), Release(at), Press(at), DoubleClickEvent(at), Release(at)}) {
            steps.push_back(step);
        }
        break;
    }
    case OTHER_BUTTON: PlanOtherButton(random, steps); break;
    case DRAG_CARD: PlanDrag(random, steps); break;
    case LOOP_TURN: steps.push_back(Turn(FrameLength(random))); break;
    case MENU: steps.push_back(MenuCommand(MENU_COMMANDS[Between(random, 0, std::size(MENU_COMMANDS) - 1)])); break;
    case RESIZE: steps.push_back(Resize(random)); break;
    case MINIMISE:
    case RESTORE:
    case MAXIMISE: steps.push_back(WindowState(kind)); break;
    case START_GAME: PlanStart(random, steps); break;
    case NEAR_WIN: PlanNearWin(random, steps); break;
    case CALENDAR: steps.push_back(CalendarJump(random)); break;
    default: break;
    }
}

}  // namespace storm
