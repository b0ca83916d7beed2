// Playing through the window: starting each game, drags, the game menu's
// counting of unfinished games, the options, and wins up to the name entry.
#include <cstring>
#include <string>

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include "qt/app_fixture.h"
#include "qt/gl_window.h"
#include "qt/menu_commands.h"
#include "game/end_of_game.h"
#include "game/lifting.h"
#include "game/placing.h"
#include "game/table.h"
#include "platform/platform.h"
#include "qt/platform/qt_platform.h"
#include "scene/scene_state.h"
#include "qt/score_dialogs.h"
#include "scores/high_score.h"
#include "store/stats_store.h"

using namespace app_test;

namespace {

constexpr int32_t KLONDIKE_STOCK = 1;
constexpr int32_t KLONDIKE_FIRST_TABLEAU = 3;
constexpr int32_t KLONDIKE_LAST_TABLEAU = 9;
constexpr int32_t KLONDIKE_FIRST_FOUNDATION = 10;

int32_t Rank(int32_t card) { return card % 13; }
bool Red(int32_t card) { return card / 13 >= 2; }

std::string Record(int index)
{
    char text[STATS_RECORD_SIZE];
    CopyRecordText(index, text);
    return text;
}

// Drops anywhere but over a pile end nowhere; a release there sends the card home.
void WinByRelease()
{
    g_winDetected = 1;
    const QPoint at = AreaPointOfPointer(0.0f, -9.0f);
    MoveTo(at);
    ReleaseAt(at);
}

struct Move {
    int32_t card = -1;
    int32_t pile = -1;
};

// A legal move of the dealt Klondike table: an ace to a foundation, a king to
// an empty column, or a card one rank below in the other colour.
Move FindKlondikeMove()
{
    for (int32_t from = KLONDIKE_FIRST_TABLEAU; from <= KLONDIKE_LAST_TABLEAU; ++from) {
        const int32_t card = TopCard(from);
        if (card < 0) {
            continue;
        }
        if (Rank(card) == 0) {
            return {card, KLONDIKE_FIRST_FOUNDATION};
        }
        for (int32_t to = KLONDIKE_FIRST_TABLEAU; to <= KLONDIKE_LAST_TABLEAU; ++to) {
            const int32_t lower = TopCard(to);
            if (to != from && lower >= 0 && Rank(lower) == Rank(card) + 1 && Red(lower) != Red(card)) {
                return {card, to};
            }
        }
    }
    return {};
}

// Every card onto the deck (pile 0), leaving every other pile empty.
void GatherOnDeck()
{
    for (int32_t card = 0; card < CARD_COUNT; ++card) {
        MoveCardToPile(card, 0);
    }
}

// Every card but the last king home on its foundation, that king alone on a
// column from which it may be lifted.
void LayOutLastKing(int32_t firstFoundation, int32_t column)
{
    constexpr int32_t LAST_KING = 51;
    GatherOnDeck();
    for (int32_t card = 0; card < CARD_COUNT; ++card) {
        if (card != LAST_KING) {
            MoveCardToPile(card, firstFoundation + card / 13);
        }
    }
    MoveCardToPile(LAST_KING, column);
    for (Card& card : g_cards) {
        card.rotY = 0.0f;
        card.targetRotY = 0.0f;
        card.flipping = 0;
        card.above = -1;
    }
    ASSERT_TRUE(SettleCards());
}

int32_t LiftableColumn()
{
    const GameLayout& layout = CurrentLayout();
    for (int32_t p = 1; p < layout.pileCount; ++p) {
        const Pile& pile = layout.piles[p];
        if (pile.canLift && (pile.kind == PILE_TABLEAU_ALTERNATE || pile.kind == PILE_TABLEAU_RANK)) {
            return p;
        }
    }
    return -1;
}

// Runs the win sequence to its end of phase 2 with the calendar clock driven:
// the cards rise, the gathering and the spreading run out of time.
void RunWinSequence()
{
    const int64_t start = SysTimeSeconds();
    Frames(1, 2500);
    ASSERT_EQ(g_winPhase, 1);
    QtPlatformSetTime(start + 6);
    Frames(1);
    ASSERT_EQ(g_winPhase, 2);
    QtPlatformSetTime(start + 12);
    Frames(3);
}

}  // namespace

TEST_F(AppTest, EveryGameStartsFromTheMainMenuAndIsDealt)
{
    for (int32_t game = GAME_KLONDIKE; game <= GAME_BAKERS_DOZEN; ++game) {
        ResetProgramState();
        ASSERT_TRUE(StartGame(game)) << "game " << game;
        EXPECT_EQ(g_gameMode, game);
        int32_t onPiles = 0;
        for (int32_t p = 0; p < PILES_PER_LAYOUT; ++p) {
            onPiles += CardCount(p);
        }
        EXPECT_EQ(onPiles, CARD_COUNT) << "game " << game;
        EXPECT_EQ(CardCount(0), 0) << "cards left on the deck in game " << game;
        EXPECT_EQ(GetSessionCount(STATS_GAMES_DEALT), 1);
        EXPECT_TRUE(MenuAction(COMMAND_REDEAL)->isEnabled());
        EXPECT_TRUE(MenuAction(COMMAND_MAIN_MENU)->isEnabled());
    }
}

TEST_F(AppTest, RefusedDropFliesBackCountsAndTicks)
{
    ASSERT_TRUE(StartGame(GAME_KLONDIKE));
    const int32_t card = TopCard(KLONDIKE_LAST_TABLEAU);
    const int32_t slot = g_cards[card].slot;
    const int sounds = QtPlatformSoundsStarted();
    DragCardToPile(card, KLONDIKE_STOCK);
    EXPECT_EQ(g_moveCount, 1);
    EXPECT_EQ(QtPlatformSoundsStarted(), sounds + 1);
    ASSERT_TRUE(SettleCards());
    EXPECT_EQ(g_cards[card].pile, KLONDIKE_LAST_TABLEAU);
    EXPECT_EQ(g_cards[card].slot, slot);
    const PileSlot& home = CurrentLayout().piles[KLONDIKE_LAST_TABLEAU].slots[slot];
    EXPECT_FLOAT_EQ(g_cards[card].x, home.x);
    EXPECT_FLOAT_EQ(g_cards[card].y, home.y);
}

TEST_F(AppTest, LegalDropPlacesTheCard)
{
    Move move;
    for (int attempt = 0; attempt < 40 && move.card < 0; ++attempt) {
        ResetProgramState();
        QtPlatformSetTime(1700000000 + attempt);
        ASSERT_TRUE(StartGame(GAME_KLONDIKE));
        move = FindKlondikeMove();
    }
    ASSERT_GE(move.card, 0) << "no deal with a legal first move";
    DragCardToPile(move.card, move.pile);
    EXPECT_EQ(g_moveCount, 1);
    ASSERT_TRUE(SettleCards());
    EXPECT_EQ(g_cards[move.card].pile, move.pile);
    EXPECT_EQ(TopCard(move.pile), move.card);
}

TEST_F(AppTest, RedealMidGameCountsOneLossAndDealsAgain)
{
    ASSERT_TRUE(StartGame(GAME_MOUNT_SUNFLOWER));
    MenuAction(COMMAND_REDEAL)->trigger();
    EXPECT_EQ(GetSessionCount(9), 1);
    EXPECT_EQ(Record(9), "1");
    ASSERT_TRUE(SettleCards());
    EXPECT_EQ(g_gameMode, GAME_MOUNT_SUNFLOWER);
    EXPECT_EQ(GetSessionCount(STATS_GAMES_DEALT), 2);
    EXPECT_EQ(Record(STATS_GAMES_DEALT), "2");
    for (int i = 0; i < STATS_GAMES_DEALT; ++i) {
        EXPECT_EQ(GetSessionCount(i), i == 9 ? 1 : 0) << i;
    }
}

TEST_F(AppTest, MainMenuMidGameCountsOneLoss)
{
    ASSERT_TRUE(StartGame(GAME_BAKERS_DOZEN));
    MenuAction(COMMAND_MAIN_MENU)->trigger();
    EXPECT_EQ(GetSessionCount(8), 1);
    EXPECT_EQ(Record(8), "1");
    EXPECT_EQ(g_gameMode, MODE_MAIN_MENU);
    EXPECT_FALSE(MenuAction(COMMAND_REDEAL)->isEnabled());
    EXPECT_FALSE(MenuAction(COMMAND_MAIN_MENU)->isEnabled());
}

TEST_F(AppTest, AfterAWinRedealAndMainMenuCountNothing)
{
    ASSERT_TRUE(StartGame(GAME_FREECELL));
    WinByRelease();
    EXPECT_EQ(g_gameMode, MODE_WIN);
    EXPECT_EQ(GetSessionCount(1), 1);
    EXPECT_FALSE(MenuAction(COMMAND_REDEAL)->isEnabled());
    // Greyed in the menu; even when it arrives, it counts nothing.
    WindowCommand(COMMAND_REDEAL);
    EXPECT_EQ(GetSessionCount(6), 0);
    EXPECT_EQ(Record(6), "0");
    // The deal it asks for finds the win screen as its game and deals Klondike.
    ASSERT_TRUE(SettleCards());
    ASSERT_EQ(g_gameMode, GAME_KLONDIKE);

    WinByRelease();
    ASSERT_EQ(g_gameMode, MODE_WIN);
    MenuAction(COMMAND_MAIN_MENU)->trigger();
    EXPECT_EQ(GetSessionCount(5), 0);
    EXPECT_EQ(Record(5), "0");
    EXPECT_EQ(g_gameMode, MODE_MAIN_MENU);
}

TEST_F(AppTest, ReleasesInTheMainMenuAfterAWinStayInTheMenu)
{
    ASSERT_TRUE(StartGame(GAME_KLONDIKE));
    WinByRelease();
    ASSERT_EQ(g_gameMode, MODE_WIN);
    MenuAction(COMMAND_MAIN_MENU)->trigger();
    const QPoint at(50, 50);
    MoveTo(at);
    PressAt(at);
    ReleaseAt(at);
    Frames(2);
    EXPECT_EQ(g_gameMode, MODE_MAIN_MENU);
    EXPECT_FALSE(MenuAction(COMMAND_REDEAL)->isEnabled());
}

TEST_F(AppTest, OptionsToggleTheirChecksAndTheTick)
{
    ASSERT_TRUE(StartGame(GAME_KLONDIKE));
    const int32_t card = TopCard(KLONDIKE_LAST_TABLEAU);
    MenuAction(COMMAND_SOUND_ON)->trigger();
    EXPECT_EQ(g_soundOn, 0);
    EXPECT_FALSE(MenuAction(COMMAND_SOUND_ON)->isChecked());
    const int sounds = QtPlatformSoundsStarted();
    DragCardToPile(card, KLONDIKE_STOCK);
    ASSERT_EQ(g_moveCount, 1);
    EXPECT_EQ(QtPlatformSoundsStarted(), sounds);
    MenuAction(COMMAND_SOUND_ON)->trigger();
    EXPECT_EQ(g_soundOn, 1);
    EXPECT_TRUE(MenuAction(COMMAND_SOUND_ON)->isChecked());
    SettleCards();
    DragCardToPile(card, KLONDIKE_STOCK);
    EXPECT_EQ(QtPlatformSoundsStarted(), sounds + 1);

    MenuAction(COMMAND_ALTERNATE_BACKGROUNDS)->trigger();
    EXPECT_EQ(g_alternateBackgrounds, 0);
    EXPECT_FALSE(MenuAction(COMMAND_ALTERNATE_BACKGROUNDS)->isChecked());
    MenuAction(COMMAND_ALTERNATE_BACKGROUNDS)->trigger();
    EXPECT_EQ(g_alternateBackgrounds, 1);
    EXPECT_TRUE(MenuAction(COMMAND_ALTERNATE_BACKGROUNDS)->isChecked());
}

class AppWin : public AppTest, public ::testing::WithParamInterface<int32_t> {};

// Foundation games: the last king dragged home wins; the score enters the
// table under the name typed into the name entry.
TEST_P(AppWin, LastKingHomeWinsAndTheNameEntersTheTable)
{
    const int32_t game = GetParam();
    ASSERT_TRUE(StartGame(game));
    constexpr int32_t FIRST_FOUNDATION[] = {-1, 10, 11, -1, 10, 16};
    const int32_t column = LiftableColumn();
    ASSERT_GE(column, 0);
    LayOutLastKing(FIRST_FOUNDATION[game], column);
    for (int rank = 0; rank < 10; ++rank) {
        SetRecordText(STATS_FIRST_NAME + rank, ("player" + std::to_string(rank + 1)).c_str());
        SetRecordText(STATS_FIRST_SCORE + rank, std::to_string(10 * (rank + 1)).c_str());
    }
    g_moveCount = 34;

    DragCardToPile(51, FIRST_FOUNDATION[game] + 3);
    ASSERT_EQ(g_gameMode, MODE_WIN);
    EXPECT_EQ(g_moveCount, 35);
    const int32_t slot = StatsSlot(game);
    EXPECT_EQ(GetSessionCount(slot), 1);
    EXPECT_EQ(Record(slot), "1");

    const std::string typed(40, 'x');
    bool asked = false;
    AnswerModal([&](QDialog* dialog) {
        asked = true;
        EXPECT_EQ(ControlText(dialog, CONTROL_NAME_FIELD), "");
        EXPECT_EQ(dialog->focusWidget(), dialog->findChild<QPushButton*>(QString::number(CONTROL_OK)));
        QTest::keyClick(dialog, Qt::Key_Escape);
        dialog->close();
        EXPECT_TRUE(dialog->isVisible()) << "the name entry ended without OK";
        dialog->findChild<QLineEdit*>(QString::number(CONTROL_NAME_FIELD))->setText(QString::fromStdString(typed));
        ClickControl(dialog, CONTROL_OK);
    });
    RunWinSequence();
    ASSERT_TRUE(asked);
    EXPECT_EQ(g_winPhase, 3);
    EXPECT_EQ(std::string(g_highScoreName), typed.substr(0, 29));
    EXPECT_EQ(Record(STATS_FIRST_NAME + 3), typed.substr(0, 29));
    EXPECT_EQ(Record(STATS_FIRST_SCORE + 3), "35");
    EXPECT_EQ(Record(STATS_FIRST_NAME + 4), "player4");
    EXPECT_EQ(Record(STATS_FIRST_SCORE + 9), "90");

    bool shown = false;
    AnswerModal([&](QDialog* dialog) {
        shown = true;
        EXPECT_EQ(ControlText(dialog, HIGH_SCORE_NAME_FIELDS[3]), typed.substr(0, 29));
        EXPECT_EQ(ControlText(dialog, HIGH_SCORE_SCORE_FIELDS[3]), "35");
        ClickControl(dialog, CONTROL_OK);
    });
    MenuAction(COMMAND_HIGH_SCORES)->trigger();
    EXPECT_TRUE(shown);
}

INSTANTIATE_TEST_SUITE_P(FoundationGames, AppWin,
                         ::testing::Values(GAME_KLONDIKE, GAME_FREECELL, GAME_MOUNT_SUNFLOWER, GAME_BAKERS_DOZEN));

TEST_F(AppTest, ScorpionWinsWhenTheLastAceCompletesItsSuit)
{
    ASSERT_TRUE(StartGame(GAME_SCORPION));
    constexpr int32_t FIRST_COLUMN = 3;
    constexpr int32_t LAST_ACE = 39;
    // Suits 0..3 each down from its king in columns 3..6, the ace of suit 3
    // alone in column 7. All cards go to the deck first, so no column keeps
    // a dealt card under the new ones.
    GatherOnDeck();
    for (int32_t suit = 0; suit < 4; ++suit) {
        for (int32_t rank = 12; rank >= 0; --rank) {
            const int32_t card = suit * 13 + rank;
            MoveCardToPile(card, card == LAST_ACE ? FIRST_COLUMN + 4 : FIRST_COLUMN + suit);
        }
    }
    for (Card& card : g_cards) {
        card.rotY = 0.0f;
        card.targetRotY = 0.0f;
        card.flipping = 0;
        card.above = -1;
    }
    ASSERT_TRUE(SettleCards());
    DragCardToPile(LAST_ACE, FIRST_COLUMN + 3);
    // The win screen has no layout of its own, so the card tells where it went.
    EXPECT_EQ(g_gameMode, MODE_WIN);
    EXPECT_EQ(g_cards[LAST_ACE].pile, FIRST_COLUMN + 3);
    EXPECT_EQ(GetSessionCount(StatsSlot(GAME_SCORPION)), 1);
}
