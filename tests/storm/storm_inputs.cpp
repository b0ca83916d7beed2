#include "storm/storm_inputs.h"

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

#include "qt/app_fixture.h"
#include "qt/gl_window.h"
#include "qt/menu_commands.h"
#include "game/end_of_game.h"
#include "game/lifting.h"
#include "game/placing.h"
#include "game/table.h"
#include "qt/platform/qt_platform.h"
#include "scene/scene_state.h"
#include "store/stats_store.h"
#include "storm/storm_driver.h"
#include "storm/storm_steps.h"

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
    COMMAND_REDEAL, COMMAND_MAIN_MENU, COMMAND_SOUND_ON, COMMAND_ALTERNATE_BACKGROUNDS,
    COMMAND_INSTRUCTIONS, COMMAND_HIGH_SCORES, COMMAND_STATISTICS, COMMAND_ABOUT,
};

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
        steps.push_back(MenuCommand(COMMAND_MAIN_MENU));
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
    case MINIMISE: steps.push_back(WindowState(WINDOW_MINIMISE)); break;
    case RESTORE: steps.push_back(WindowState(WINDOW_RESTORE)); break;
    case MAXIMISE: steps.push_back(WindowState(WINDOW_MAXIMISE)); break;
    case START_GAME: PlanStart(random, steps); break;
    case NEAR_WIN: PlanNearWin(random, steps); break;
    case CALENDAR: steps.push_back(CalendarJump(random)); break;
    default: break;
    }
}

}  // namespace storm
