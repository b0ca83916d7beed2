#pragma once
// The card table: the 52 cards, the piles of each game's layout, the current
// game and the primitives through which every rule reads piles and moves cards.
// Plain global records with fixed capacities; nothing is allocated.

#include <cstdint>

constexpr int CARD_COUNT = 52;        // card id = suit * 13 + rank, [0, 51]
constexpr int RANKS_PER_SUIT = 13;    // rank 0 the ace .. 12 the king
constexpr int PILES_PER_LAYOUT = 20;
constexpr int SLOTS_PER_PILE = 52;
constexpr int LAYOUT_COUNT = 60;      // indexed by game number; only 1..5 are filled

// Values of g_gameMode: the game number and the screen at the same time.
enum GameMode : int32_t {
    MODE_MAIN_MENU = 0,
    GAME_KLONDIKE = 1,
    GAME_FREECELL = 2,
    GAME_SCORPION = 3,
    GAME_MOUNT_SUNFLOWER = 4,
    GAME_BAKERS_DOZEN = 5,
    MODE_WIN = 6,
};

// What a pile is and which placing rule applies to it.
enum PileKind : int32_t {
    PILE_NONE = 0,               // unused entry inside pileCount; holds no cards
    PILE_TABLEAU_ALTERNATE = 1,  // Klondike, Freecell: down in alternating colour
    PILE_FOUNDATION = 2,         // every game but Scorpion
    PILE_FREE_CELL = 3,          // Freecell cells
    PILE_NO_DROP = 4,            // deck, stocks, the Klondike waste
    PILE_TABLEAU_SUIT = 5,       // Scorpion: down in suit
    PILE_TABLEAU_RANK = 6,       // Mount Sunflower, Baker's Dozen: down by rank
};

// Which cards of a pile the deal turns face up; other values leave all down.
enum DealFaceRule : int32_t {
    DEAL_FACE_DOWN = 1,
    DEAL_TOP_FACE_UP = 2,
    DEAL_FACE_UP = 3,
    DEAL_LAST4_FACE_UP = 4,
    DEAL_LAST3_FACE_UP = 5,
    DEAL_LAST2_FACE_UP = 6,
};

// One card. Positions are eye-space table units (x right, y up, larger z
// nearer the eye); angles in degrees. rotY 180 shows the back.
struct Card {
    uint8_t flipping = 0;   // turning: rotY rises to targetRotY
    uint8_t moving = 0;     // flying to (targetX, targetY, targetZ)
    uint8_t movingX = 0;
    uint8_t movingY = 0;
    uint8_t movingZ = 0;
    int32_t above = -1;     // card lying on this one and travelling with it, -1 none
    int32_t slot = 0;
    int32_t pile = 0;
    float x = 0.0f, y = 0.0f, z = -25.0f;
    float rotX = 0.0f, rotY = 180.0f, rotZ = 0.0f;
    float targetX = 0.0f, targetY = 0.0f, targetZ = 0.0f;
    float targetRotY = 0.0f;
    int32_t textureIndex = 0;  // index into g_cardTextures of the face: id + 1

    // Starts a flight to (x, y, z): sets the target and all four moving flags.
    void FlyTo(float toX, float toY, float toZ);
    // Starts a turn-over: targetRotY = rotY + 180, flipping = 1.
    void TurnOver();
};

// Face down when rotY lies strictly between 175 and 185; anything else,
// including a card still turning past 185, counts as face up.
bool IsFaceDown(const Card& card);

struct PileSlot {
    float x = 0.0f, y = 0.0f, z = 0.0f;  // rest position of a card in this slot
    int32_t card = -1;                   // id of the card in it, -1 empty
};

struct Pile {
    int32_t kind = PILE_NONE;         // PileKind
    PileSlot slots[SLOTS_PER_PILE];   // slot k holds the k-th card from the bottom
    int32_t dealCount = 0;            // cards a new deal puts here
    int32_t dealFaceRule = 0;         // DealFaceRule
    int32_t markerIndex = 0;          // g_pileMarkerTextures entry drawn at slot 0; 0 none
    uint8_t canLift = 0;              // the top card may be picked up
};

struct GameLayout {
    uint8_t liftAnyStack = 0;  // Scorpion: any face-up card lifts with all on it
    int32_t pileCount = 0;     // entries of piles in use, from 0
    Pile piles[PILES_PER_LAYOUT];  // pile 0 is always the deck
};

// Roles of pile numbers that every layout keeps: pile 0 is the deck; where a
// game has a stock it is pile 1, and the Klondike waste is pile 2.
constexpr int32_t PILE_DECK = 0;
constexpr int32_t PILE_STOCK = 1;
constexpr int32_t PILE_WASTE = 2;

constexpr int32_t SuitOf(int32_t card) { return card / RANKS_PER_SUIT; }
constexpr int32_t RankOf(int32_t card) { return card % RANKS_PER_SUIT; }
// A card id (not -1) of rank 12 or rank 0.
constexpr bool IsKing(int32_t card) { return card >= 0 && RankOf(card) == RANKS_PER_SUIT - 1; }
constexpr bool IsAce(int32_t card) { return card >= 0 && RankOf(card) == 0; }

extern Card g_cards[CARD_COUNT];
extern int32_t g_dealOrder[CARD_COUNT];  // entry k: the k-th card dealt
extern GameLayout g_layouts[LAYOUT_COUNT];
extern int32_t g_gameMode;               // GameMode

constexpr float g_stackStepZ = 0.02f;  // z between consecutive slots of a pile
constexpr float g_fanStepY = 0.5f;     // y between consecutive slots of a fanned pile
// Held cards hang above every stacked card, slot 51 of the fullest pile included.
constexpr float HELD_Z = -25.0f + SLOTS_PER_PILE * g_stackStepZ;

// The layout of the current game (empty in the main menu and on the win screen).
GameLayout& CurrentLayout();

// Id in the highest occupied slot of pile [0, 19] of the current layout; -1 empty.
int32_t TopCard(int32_t pile);
// Occupied slots counted from slot 0 up to the first empty one; 0 when empty.
int32_t CardCount(int32_t pile);
// Index of the highest occupied slot; -1 for an empty pile.
int32_t TopSlot(int32_t pile);
// Puts a card on top of a pile and starts its flight there; the cards above it
// in its old pile stay where they are and the card below loses its link.
void MoveCardToPile(int32_t card, int32_t pile);
// Links the card to the card in the slot below it (that card's above = card).
void LinkToCardBelow(int32_t card);
// Whether the held card g_heldCard may go on this foundation: an ace on an
// empty one, else exactly the next rank of the same suit; nothing on a king.
bool FoundationAccepts(int32_t pile);
