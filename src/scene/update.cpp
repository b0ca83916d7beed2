#include "scene/update.h"

#include "game/deal.h"
#include "game/lifting.h"
#include "game/table.h"
#include "platform/common/cursors.h"
#include "platform/platform.h"
#include "scene/pick.h"
#include "scene/scene_state.h"
#include "scores/high_score.h"

namespace {

// Milliseconds per unit (or per degree) of every motion; all motion is linear.
constexpr float MS_PER_CARD_UNIT = 5.0f;
constexpr float MS_PER_TURN_DEGREE = 0.5f;
constexpr float MS_PER_TEXT_UNIT_XY = 100.0f;
constexpr float MS_PER_TEXT_UNIT_Z = 200.0f;
constexpr float MS_PER_RISE_UNIT = 200.0f;    // phase 0, z
constexpr float MS_PER_GATHER_UNIT = 200.0f;  // phase 1, y
constexpr float MS_PER_SPREAD_UNIT = 150.0f;  // phase 2, x
constexpr float MS_PER_SPIN_DEGREE = 15.0f;   // phase 3, rotY and rotZ

constexpr float TURNING_Z = -23.0f;                    // above every stack
constexpr float RISEN_Z = -15.0f;                      // phase 0 ends above it
constexpr float WIN_TOLERANCE = 0.1f;
constexpr int64_t WIN_PHASE_SECONDS = 5;               // "more than" ends a phase
constexpr int32_t ROW_START_X = -26;                   // card i spreads to x = i - 26

// Win text goals: each value flies until it passes its goal.
constexpr float MOVES_GOAL_X = -3.0f, MOVES_GOAL_Y = 1.0f, MOVES_GOAL_Z = -6.0f;
constexpr float CONGRATS_GOAL_X = -3.7f, CONGRATS_GOAL_Y = -1.5f, CONGRATS_GOAL_Z = -7.5f;

const PileSlot& RestSlot(const Card& card)
{
    return CurrentLayout().piles[card.pile].slots[card.slot];
}

// One axis of a flight: steps towards the target and lands on it exactly.
void StepAxis(float& value, float target, uint8_t& flag, float step)
{
    if (!flag) {
        return;
    }
    if (target > value) {
        value += step;
        if (value >= target) {
            value = target;
            flag = 0;
        }
    } else {
        value -= step;
        if (value <= target) {
            value = target;
            flag = 0;
        }
    }
}

void FlyWinTexts(float ms)
{
    if (g_movesTextPos.x < MOVES_GOAL_X) g_movesTextPos.x += ms / MS_PER_TEXT_UNIT_XY;
    if (g_movesTextPos.y > MOVES_GOAL_Y) g_movesTextPos.y -= ms / MS_PER_TEXT_UNIT_XY;
    if (g_movesTextPos.z < MOVES_GOAL_Z) g_movesTextPos.z += ms / MS_PER_TEXT_UNIT_Z;
    if (g_congratsTextPos.x < CONGRATS_GOAL_X) g_congratsTextPos.x += ms / MS_PER_TEXT_UNIT_XY;
    if (g_congratsTextPos.y < CONGRATS_GOAL_Y) g_congratsTextPos.y += ms / MS_PER_TEXT_UNIT_XY;
    if (g_congratsTextPos.z < CONGRATS_GOAL_Z) g_congratsTextPos.z += ms / MS_PER_TEXT_UNIT_Z;
}

void RiseCards(float ms)
{
    for (Card& card : g_cards) {
        card.z += ms / MS_PER_RISE_UNIT;
    }
    if (g_cards[0].z > RISEN_Z) {
        g_winPhase = 1;
        g_winPhaseStartSecond = SysTimeSeconds();
    }
}

void GatherCards(float ms)
{
    const int64_t now = SysTimeSeconds();
    if (now - g_winPhaseStartSecond > WIN_PHASE_SECONDS) {
        g_winPhase = 2;
        g_winPhaseStartSecond = now;
        return;
    }
    bool settled = true;
    for (Card& card : g_cards) {
        if (card.y > WIN_TOLERANCE) {
            card.y -= ms / MS_PER_GATHER_UNIT;
        } else if (card.y < -WIN_TOLERANCE) {
            card.y += ms / MS_PER_GATHER_UNIT;
        }
        settled = settled && card.y >= -WIN_TOLERANCE && card.y <= WIN_TOLERANCE;
    }
    // The limit of the next phase keeps counting from the start of this one.
    if (settled) {
        g_winPhase = 2;
    }
}

void SpreadCards(float ms)
{
    const int64_t now = SysTimeSeconds();
    if (now - g_winPhaseStartSecond > WIN_PHASE_SECONDS) {
        for (int i = 0; i < CARD_COUNT; ++i) {
            g_cards[i].x = static_cast<float>(ROW_START_X + i);
        }
        g_winPhaseStartSecond = now;
        return;  // every card is in place, so the next frame ends the phase
    }
    bool settled = true;
    for (int i = 0; i < CARD_COUNT; ++i) {
        Card& card = g_cards[i];
        const float goal = static_cast<float>(ROW_START_X + i);
        if (card.x > goal + WIN_TOLERANCE) {
            card.x -= ms / MS_PER_SPREAD_UNIT;
        } else if (card.x < goal - WIN_TOLERANCE) {
            card.x += ms / MS_PER_SPREAD_UNIT;
        }
        settled = settled && card.x >= goal - WIN_TOLERANCE && card.x <= goal + WIN_TOLERANCE;
    }
    if (settled) {
        g_winPhase = 3;
        CheckHighScore();  // may run the modal name entry inside this frame
    }
}

void SpinCards(float ms)
{
    for (Card& card : g_cards) {
        card.rotY += ms / MS_PER_SPIN_DEGREE;
        card.rotZ -= ms / MS_PER_SPIN_DEGREE;
    }
}

void UpdateWinScreen(float ms)
{
    FlyWinTexts(ms);
    switch (g_winPhase) {
    case 0: RiseCards(ms); break;
    case 1: GatherCards(ms); break;
    case 2: SpreadCards(ms); break;
    default: SpinCards(ms); break;
    }
}

// The held card at the pointer, the cards on it fanned down below it. The
// chain starts at the held card, not at the last picked one: a press that
// picks another card while cards are held (its release fell outside the
// window) would otherwise hang a card that no release brings home.
void HangHeldCards()
{
    SetPointerCursor(1);
    if (g_heldCard < 0 || g_heldCard >= CARD_COUNT) {
        return;
    }
    int32_t card = g_heldCard;
    // The chain can hold at most every card once; the bound guards a broken link.
    for (int k = 0; card >= 0 && card < CARD_COUNT && k < CARD_COUNT; ++k) {
        Card& held = g_cards[card];
        held.x = g_pointerWorldX;
        held.y = g_pointerWorldY - static_cast<float>(k) * g_fanStepY;
        held.z = HELD_Z + static_cast<float>(k) * g_stackStepZ;
        card = held.above;
    }
}

// Advances flights and turn-overs in deal order; false when a card is still
// in motion, so the cards dealt after it wait.
bool AnimateCard(Card& card, float ms)
{
    if (card.moving) {
        const float step = ms / MS_PER_CARD_UNIT;
        StepAxis(card.x, card.targetX, card.movingX, step);
        StepAxis(card.y, card.targetY, card.movingY, step);
        StepAxis(card.z, card.targetZ, card.movingZ, step);
        if (!card.movingX && !card.movingY && !card.movingZ) {
            card.moving = 0;
            const PileSlot& rest = RestSlot(card);
            card.x = rest.x;
            card.y = rest.y;
            card.z = rest.z;
        }
    }
    if (card.flipping) {
        card.rotY += ms / MS_PER_TURN_DEGREE;
        card.z = TURNING_Z;
        if (card.rotY >= card.targetRotY) {
            card.rotY = card.targetRotY;
            card.flipping = 0;
            card.z = RestSlot(card).z;
        }
    }
    return !card.moving && !card.flipping;
}

void UpdatePlay(float ms)
{
    g_movesTextPos = MOVES_TEXT_REST;
    g_congratsTextPos = CONGRATS_TEXT_REST;
    g_winPhase = 0;
    if (g_holding) {
        HangHeldCards();
    }
    for (int i = 0; i < CARD_COUNT; ++i) {
        const int32_t id = g_dealOrder[i];
        if (id < 0 || id >= CARD_COUNT) {
            continue;
        }
        if (!AnimateCard(g_cards[id], ms)) {
            break;
        }
    }
}

}  // namespace

void UpdateFrame(uint32_t ms)
{
    if (g_newGameRequested) {
        DealNewGame();
        g_newGameRequested = 0;
    }
    const float elapsed = static_cast<float>(ms);
    if (g_gameMode == MODE_MAIN_MENU) {
        PickAtPointer();
    } else if (g_gameMode == MODE_WIN) {
        UpdateWinScreen(elapsed);
    } else {
        UpdatePlay(elapsed);
    }
}
