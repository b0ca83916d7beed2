#include "storm/storm_driver.h"

#include <algorithm>
#include <cmath>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLineEdit>
#include <QTimer>
#include <QWindow>
#include <QtTest/QTest>

#include "qt/app_fixture.h"
#include "qt/gl_window.h"
#include "qt/main_loop.h"
#include "game/lifting.h"
#include "game/table.h"
#include "platform/platform.h"
#include "qt/platform/qt_platform.h"
#include "scene/pick.h"
#include "scene/scene_state.h"
#include "qt/score_dialogs.h"
#include "store/stats_store.h"

namespace storm {

namespace {

constexpr QEvent::Type PROBE_EVENT = static_cast<QEvent::Type>(QEvent::User + 71);
constexpr int PROBE_TURNS = 3;            // loop turns a posted event may take
constexpr int ANSWER_INTERVAL_MS = 2;     // also wakes a loop that waits while minimised
constexpr int MENU_NAME_BASE = 100;       // names 101..105: the buttons of games 1..5
constexpr int SETTLE_TURNS = 200;
constexpr uint32_t SETTLE_MS = 250;
constexpr double FAR_OUTSIDE = 30000.0;   // pixels; beyond this a point is no use
constexpr int32_t SCORPION_FIRST_COLUMN = 3;
constexpr int32_t SCORPION_SPARE_COLUMN = 7;

// game                                    menu  Klondike  Freecell  Scorpion  Mount Sunflower  Baker's Dozen
constexpr int32_t FIRST_FOUNDATION[] = {-1,   10,       11,       -1,       10,              16};

// Pieces of the names typed into the name entry: plain, Latin-1 and beyond.
constexpr const char* NAME_PIECES[] = {"a", "Z", "7", " ", "-", "\xc3\xa9", "\xc3\x9f", "\xce\xa9", "\xe2\x98\x83",
                                       "\xf0\x9f\x82\xa1", "Ann", "%d%s", "\\", "\""};

class Probe : public QObject {
public:
    int seen = 0;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == PROBE_EVENT) {
            ++seen;
            return true;
        }
        return QObject::event(event);
    }
};

uint32_t g_tick = 0;
int64_t g_calendar = 0;
uint32_t g_msIntoSecond = 0;
Probe* g_probe = nullptr;

std::mt19937 g_answerRandom;
int g_answered = 0;
int g_namesAnswered = 0;
bool g_statsCleared = false;
std::string g_answerFault;

// Main menu button centres, found again whenever the view changes.
struct MenuView {
    int areaWidth = -1, areaHeight = -1, viewWidth = -1, viewHeight = -1;
    float depth = -1.0f;
    bool operator==(const MenuView&) const = default;
};
MenuView g_menuView;
QPoint g_buttonCentres[GAME_BAKERS_DOZEN + 1];
bool g_buttonFound[GAME_BAKERS_DOZEN + 1] = {};

bool Chance(int percent) { return static_cast<int>(g_answerRandom() % 100) < percent; }

QAbstractButton* Button(QDialog* dialog, int controlId)
{
    return dialog->findChild<QAbstractButton*>(QString::number(controlId));
}

QString RandomName()
{
    QString name;
    const int pieces = static_cast<int>(g_answerRandom() % 16);
    for (int i = 0; i < pieces; ++i) {
        name += QString::fromUtf8(NAME_PIECES[g_answerRandom() % std::size(NAME_PIECES)]);
    }
    return name;
}

void NoteFault(const std::string& fault)
{
    if (g_answerFault.empty()) {
        g_answerFault = fault;
    }
}

void Answer()
{
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || !dialog->isVisible()) {
        return;
    }
    if (QAbstractButton* clearAll = Button(dialog, CONTROL_CLEAR_ALL_STATS); clearAll != nullptr && Chance(30)) {
        clearAll->click();
        g_statsCleared = true;
        for (int i = 0; i <= STATS_GAMES_DEALT; ++i) {
            if (GetSessionCount(i) != 0 || GetLifetimeCount(i) != 0) {
                NoteFault("Clear All Stats left count " + std::to_string(i) + " above 0");
            }
        }
    }
    if (QAbstractButton* clearScores = Button(dialog, CONTROL_CLEAR_HIGH_SCORES);
        clearScores != nullptr && Chance(30)) {
        clearScores->click();
        for (int rank = 0; rank < HIGH_SCORE_RANKS; ++rank) {
            if (GetLifetimeCount(STATS_FIRST_SCORE + rank) != 10000) {
                NoteFault("Clear left a high score other than 10000 at rank " + std::to_string(rank + 1));
            }
        }
    }
    if (auto* field = dialog->findChild<QLineEdit*>(QString::number(CONTROL_NAME_FIELD))) {
        ++g_namesAnswered;
        if (Chance(70)) {
            field->setText(RandomName());
        }
    }
    if (Chance(20)) {
        QTest::keyClick(dialog, Qt::Key_Escape);  // the score dialogs stay open; the About box closes
    }
    if (dialog->isVisible()) {
        if (QAbstractButton* ok = Button(dialog, CONTROL_OK)) {
            ok->click();
        } else {
            NoteFault("a modal dialog without an OK button");
            dialog->reject();
        }
    }
    if (dialog->isVisible()) {
        NoteFault("a modal dialog stayed open after OK");
        dialog->done(0);
    }
    ++g_answered;
}

void FindMenuButtons(const MenuView& view)
{
    g_menuView = view;
    QPoint sums[GAME_BAKERS_DOZEN + 1];
    int counts[GAME_BAKERS_DOZEN + 1] = {};
    const int32_t pickedBefore = g_pickedName;
    const int stepX = std::max(3, app_test::Area()->width() / 60);
    const int stepY = std::max(3, app_test::Area()->height() / 80);
    MakeWindowCurrent(g_glWindow);
    for (int y = 0; y < app_test::Area()->height(); y += stepY) {
        for (int x = app_test::Area()->width() / 2; x < app_test::Area()->width(); x += stepX) {
            app_test::MoveTo(QPoint(x, y));
            g_pressPending = 0;
            g_pickedName = -1;
            PickAtPointer();
            const int32_t game = g_pickedName - MENU_NAME_BASE;
            if (game >= GAME_KLONDIKE && game <= GAME_BAKERS_DOZEN) {
                sums[game] += QPoint(x, y);
                ++counts[game];
            }
        }
    }
    g_pickedName = pickedBefore;
    for (int32_t game = GAME_KLONDIKE; game <= GAME_BAKERS_DOZEN; ++game) {
        g_buttonFound[game] = counts[game] > 0;
        g_buttonCentres[game] = counts[game] > 0 ? sums[game] / counts[game] : QPoint();
    }
}

bool CardsAtRest()
{
    for (const Card& card : g_cards) {
        if (card.moving || card.flipping) {
            return false;
        }
    }
    return true;
}

int32_t RandomLiftableColumn(std::mt19937& random)
{
    const GameLayout& layout = CurrentLayout();
    int32_t columns[PILES_PER_LAYOUT];
    int32_t count = 0;
    for (int32_t p = 1; p < layout.pileCount; ++p) {
        const Pile& pile = layout.piles[p];
        if (pile.canLift && (pile.kind == PILE_TABLEAU_ALTERNATE || pile.kind == PILE_TABLEAU_RANK)) {
            columns[count++] = p;
        }
    }
    return count == 0 ? -1 : columns[random() % count];
}

}  // namespace

void StartClocks()
{
    g_tick = SysTickCount();
    g_calendar = SysTimeSeconds();
    g_msIntoSecond = 0;
}

void AdvanceClocks(uint32_t ms)
{
    g_tick += ms;
    g_msIntoSecond += ms;
    g_calendar += g_msIntoSecond / 1000;
    g_msIntoSecond %= 1000;
    QtPlatformSetTick(g_tick);
    QtPlatformSetTime(g_calendar);
}

void JumpCalendar(int64_t seconds)
{
    g_calendar += seconds;
    QtPlatformSetTime(g_calendar);
}

int64_t CalendarNow() { return g_calendar; }

std::string LoopTurn(uint32_t ms)
{
    if (g_probe == nullptr) {
        g_probe = new Probe();
        g_probe->setParent(QCoreApplication::instance());
    }
    AdvanceClocks(ms);
    const int seen = g_probe->seen;
    QCoreApplication::postEvent(g_probe, new QEvent(PROBE_EVENT));
    for (int turn = 0; turn < PROBE_TURNS; ++turn) {
        if (RunLoopOnce() != 1) {
            return "the loop ended";
        }
        if (g_probe->seen > seen) {
            return {};
        }
    }
    return "a posted event was not handled within " + std::to_string(PROBE_TURNS) + " loop turns";
}

void StartAnswering(uint32_t seed)
{
    g_answerRandom.seed(seed);
    auto* timer = new QTimer(QCoreApplication::instance());
    QObject::connect(timer, &QTimer::timeout, &Answer);
    timer->start(ANSWER_INTERVAL_MS);
}

int DialogsAnswered() { return g_answered; }
int NameEntriesAnswered() { return g_namesAnswered; }

bool TakeStatsCleared()
{
    const bool cleared = g_statsCleared;
    g_statsCleared = false;
    return cleared;
}

std::string TakeAnswerFault()
{
    std::string fault;
    fault.swap(g_answerFault);
    return fault;
}

bool MenuButtonAt(int32_t game, QPoint* at)
{
    if (g_gameMode != MODE_MAIN_MENU || game < GAME_KLONDIKE || game > GAME_BAKERS_DOZEN) {
        return false;
    }
    const MenuView view = {app_test::Area()->width(), app_test::Area()->height(), g_windowWidth, g_windowHeight,
                           g_menuDepthOffset};
    if (view.areaWidth < 20 || view.areaHeight < 20 || view.viewWidth <= 0 || view.viewHeight <= 0) {
        return false;
    }
    if (!(view == g_menuView)) {
        FindMenuButtons(view);
    }
    *at = g_buttonCentres[game];
    return g_buttonFound[game];
}

bool ScenePoint(float x, float y, float z, QPoint* at)
{
    if (g_windowWidth <= 0 || g_windowHeight <= 0 || z > -1.0f) {
        return false;
    }
    *at = app_test::AreaPointOfScene(x, y, z);
    return std::abs(at->x()) < FAR_OUTSIDE && std::abs(at->y()) < FAR_OUTSIDE;
}

bool PointerPoint(float worldX, float worldY, QPoint* at)
{
    if (g_windowWidth <= 0 || g_windowHeight <= 0 || std::abs(worldX) > 100.0f || std::abs(worldY) > 100.0f) {
        return false;
    }
    *at = app_test::AreaPointOfPointer(worldX, worldY);
    return true;
}

std::string BuildNearWin(std::mt19937& random, int32_t* card, int32_t* pile)
{
    *card = -1;
    const int32_t game = g_gameMode;
    if (game < GAME_KLONDIKE || game > GAME_BAKERS_DOZEN || g_newGameRequested || g_holding) {
        return {};
    }
    const int32_t lastSuit = static_cast<int32_t>(random() % 4);
    const int32_t column = game == GAME_SCORPION ? SCORPION_SPARE_COLUMN : RandomLiftableColumn(random);
    if (column < 0) {
        return {};
    }
    // Everything onto the deck first, so no pile keeps a dealt card under the new ones.
    for (int32_t id = 0; id < CARD_COUNT; ++id) {
        MoveCardToPile(id, 0);
    }
    if (game == GAME_SCORPION) {
        // Each suit down from its king in a column of its own; one ace waits alone.
        *card = lastSuit * RANKS_PER_SUIT;
        *pile = SCORPION_FIRST_COLUMN + lastSuit;
        for (int32_t suit = 0; suit < 4; ++suit) {
            for (int32_t rank = RANKS_PER_SUIT - 1; rank >= 0; --rank) {
                const int32_t id = suit * RANKS_PER_SUIT + rank;
                MoveCardToPile(id, id == *card ? column : SCORPION_FIRST_COLUMN + suit);
            }
        }
    } else {
        // Every card home but one king, which lies alone on a column.
        *card = lastSuit * RANKS_PER_SUIT + RANKS_PER_SUIT - 1;
        *pile = FIRST_FOUNDATION[game] + lastSuit;
        for (int32_t id = 0; id < CARD_COUNT; ++id) {
            if (id != *card) {
                MoveCardToPile(id, FIRST_FOUNDATION[game] + id / RANKS_PER_SUIT);
            }
        }
        MoveCardToPile(*card, column);
    }
    for (Card& c : g_cards) {
        c.rotY = 0.0f;
        c.targetRotY = 0.0f;
        c.flipping = 0;
        c.above = -1;
    }
    for (int turn = 0; turn < SETTLE_TURNS && !CardsAtRest(); ++turn) {
        if (std::string fault = LoopTurn(SETTLE_MS); !fault.empty()) {
            return fault;
        }
    }
    return {};
}

}  // namespace storm
