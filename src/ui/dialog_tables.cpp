#include "ui/dialog_tables.h"

namespace {

constexpr int32_t B = DIALOG_BUTTON, T = DIALOG_TEXT, G = DIALOG_GROUP_BOX, E = DIALOG_EDIT, I = DIALOG_ICON;
constexpr int32_t RIGHT = DIALOG_RIGHT, CLIP = DIALOG_CLIP_SIBLINGS;

// Statistics: one group per game with lifetime values at x 71 and session
// values at x 147, each label ending two units before its value, wins on the
// group's first line and losses on its second, then the games dealt. OK comes
// first in the tab order, so it has the focus when the dialog opens and Enter
// cannot clear the statistics by accident. "Session Losses:" is wider than
// the 53 units between the two value columns in common dialog fonts, so the
// session labels reach back into the lifetime value fields, whose counts are
// short: the label lies above the field and the field clips itself to what
// the label leaves free, so the two never paint over each other. Each group
// box comes after what it holds, so it lies below the fields.
constexpr DialogControl STATISTICS[] = {
    // kind id                                       text                  x    y    w    h  flags
    {B, CONTROL_OK,                              "OK",               111, 258,  50,  14, DIALOG_DEFAULT},
    {B, CONTROL_CLEAR_ALL_STATS,                 "Clear All Stats",   23, 258,  50,  14, 0},

    {T, CONTROL_STATIC,                          "Lifetime Wins:",    14,  23,  55,   8, RIGHT},
    {T, CONTROL_STATIC,                          "Session Wins:",     87,  23,  58,   8, RIGHT},
    {T, CONTROL_KLONDIKE_LIFETIME_WINS,          "0",                 71,  23,  22,   8, CLIP},
    {T, CONTROL_KLONDIKE_SESSION_WINS,           "0",                147,  23,  22,   8, 0},
    {T, CONTROL_STATIC,                          "Lifetime Losses:",  14,  34,  55,   8, RIGHT},
    {T, CONTROL_STATIC,                          "Session Losses:",   87,  34,  58,   8, RIGHT},
    {T, CONTROL_KLONDIKE_LIFETIME_LOSSES,        "0",                 71,  34,  22,   8, CLIP},
    {T, CONTROL_KLONDIKE_SESSION_LOSSES,         "0",                147,  34,  22,   8, 0},
    {G, CONTROL_STATIC,                          "Klondike",          13,  13, 158,  36, 0},

    {T, CONTROL_STATIC,                          "Lifetime Wins:",    14,  65,  55,   8, RIGHT},
    {T, CONTROL_STATIC,                          "Session Wins:",     87,  65,  58,   8, RIGHT},
    {T, CONTROL_FREECELL_LIFETIME_WINS,          "0",                 71,  65,  22,   8, CLIP},
    {T, CONTROL_FREECELL_SESSION_WINS,           "0",                147,  65,  22,   8, 0},
    {T, CONTROL_STATIC,                          "Lifetime Losses:",  14,  76,  55,   8, RIGHT},
    {T, CONTROL_STATIC,                          "Session Losses:",   87,  76,  58,   8, RIGHT},
    {T, CONTROL_FREECELL_LIFETIME_LOSSES,        "0",                 71,  76,  22,   8, CLIP},
    {T, CONTROL_FREECELL_SESSION_LOSSES,         "0",                147,  76,  22,   8, 0},
    {G, CONTROL_STATIC,                          "Freecell",          13,  55, 158,  36, 0},

    {T, CONTROL_STATIC,                          "Lifetime Wins:",    14, 105,  55,   8, RIGHT},
    {T, CONTROL_STATIC,                          "Session Wins:",     87, 105,  58,   8, RIGHT},
    {T, CONTROL_SCORPION_LIFETIME_WINS,          "0",                 71, 105,  22,   8, CLIP},
    {T, CONTROL_SCORPION_SESSION_WINS,           "0",                147, 105,  22,   8, 0},
    {T, CONTROL_STATIC,                          "Lifetime Losses:",  14, 116,  55,   8, RIGHT},
    {T, CONTROL_STATIC,                          "Session Losses:",   87, 116,  58,   8, RIGHT},
    {T, CONTROL_SCORPION_LIFETIME_LOSSES,        "0",                 71, 116,  22,   8, CLIP},
    {T, CONTROL_SCORPION_SESSION_LOSSES,         "0",                147, 116,  22,   8, 0},
    {G, CONTROL_STATIC,                          "Scorpion",          13,  95, 158,  36, 0},

    {T, CONTROL_STATIC,                          "Lifetime Wins:",    14, 145,  55,   8, RIGHT},
    {T, CONTROL_STATIC,                          "Session Wins:",     87, 145,  58,   8, RIGHT},
    {T, CONTROL_MOUNT_SUNFLOWER_LIFETIME_WINS,   "0",                 71, 145,  22,   8, CLIP},
    {T, CONTROL_MOUNT_SUNFLOWER_SESSION_WINS,    "0",                147, 145,  22,   8, 0},
    {T, CONTROL_STATIC,                          "Lifetime Losses:",  14, 156,  55,   8, RIGHT},
    {T, CONTROL_STATIC,                          "Session Losses:",   87, 156,  58,   8, RIGHT},
    {T, CONTROL_MOUNT_SUNFLOWER_LIFETIME_LOSSES, "0",                 71, 156,  22,   8, CLIP},
    {T, CONTROL_MOUNT_SUNFLOWER_SESSION_LOSSES,  "0",                147, 156,  22,   8, 0},
    {G, CONTROL_STATIC,                          "Mount Sunflower",   13, 135, 158,  36, 0},

    {T, CONTROL_STATIC,                          "Lifetime Wins:",    14, 185,  55,   8, RIGHT},
    {T, CONTROL_STATIC,                          "Session Wins:",     87, 185,  58,   8, RIGHT},
    {T, CONTROL_BAKERS_DOZEN_LIFETIME_WINS,      "0",                 71, 185,  22,   8, CLIP},
    {T, CONTROL_BAKERS_DOZEN_SESSION_WINS,       "0",                147, 185,  22,   8, 0},
    {T, CONTROL_STATIC,                          "Lifetime Losses:",  14, 196,  55,   8, RIGHT},
    {T, CONTROL_STATIC,                          "Session Losses:",   87, 196,  58,   8, RIGHT},
    {T, CONTROL_BAKERS_DOZEN_LIFETIME_LOSSES,    "0",                 71, 196,  22,   8, CLIP},
    {T, CONTROL_BAKERS_DOZEN_SESSION_LOSSES,     "0",                147, 196,  22,   8, 0},
    {G, CONTROL_STATIC,                          "Baker's Dozen",     13, 175, 158,  36, 0},

    {T, CONTROL_STATIC,                          "Lifetime Games:",   14, 218,  55,   8, RIGHT},
    {T, CONTROL_STATIC,                          "Session Games:",    87, 218,  58,   8, RIGHT},
    {T, CONTROL_LIFETIME_GAMES,                  "0",                 71, 218,  22,   8, CLIP},
    {T, CONTROL_SESSION_GAMES,                   "0",                147, 218,  22,   8, 0},
};

// High scores: ten rows of name and score, rank k at y 25 + 12 (k - 1), filled
// when the dialog opens. The name field runs under the score field: the score
// lies above it and the name clips itself, and names do not wrap, so a long
// name is cut where the score starts. OK first in the tab order, as in the
// statistics dialog.
constexpr int32_t NAME = DIALOG_NO_WRAP | CLIP;
constexpr DialogControl HIGH_SCORES[] = {
    // kind id                          text            x    y    w    h  flags
    {B, CONTROL_OK,                 "OK",           81, 156,  62,  15, DIALOG_DEFAULT},
    {B, CONTROL_CLEAR_HIGH_SCORES,  "Clear",         7, 156,  62,  15, 0},
    {T, CONTROL_STATIC,             "High Scores",   7,   7, 136,  16, DIALOG_CENTRED | DIALOG_MIDDLE | DIALOG_BORDER},
    {T, CONTROL_HIGH_SCORE_SCORE_1,  "",            85,  25,  43,  11, RIGHT},
    {T, CONTROL_HIGH_SCORE_NAME_1,   "",            20,  25,  82,  11, NAME},
    {T, CONTROL_HIGH_SCORE_SCORE_2,  "",            85,  37,  43,  11, RIGHT},
    {T, CONTROL_HIGH_SCORE_NAME_2,   "",            20,  37,  82,  11, NAME},
    {T, CONTROL_HIGH_SCORE_SCORE_3,  "",            85,  49,  43,  11, RIGHT},
    {T, CONTROL_HIGH_SCORE_NAME_3,   "",            20,  49,  82,  11, NAME},
    {T, CONTROL_HIGH_SCORE_SCORE_4,  "",            85,  61,  43,  11, RIGHT},
    {T, CONTROL_HIGH_SCORE_NAME_4,   "",            20,  61,  82,  11, NAME},
    {T, CONTROL_HIGH_SCORE_SCORE_5,  "",            85,  73,  43,  11, RIGHT},
    {T, CONTROL_HIGH_SCORE_NAME_5,   "",            20,  73,  82,  11, NAME},
    {T, CONTROL_HIGH_SCORE_SCORE_6,  "",            85,  85,  43,  11, RIGHT},
    {T, CONTROL_HIGH_SCORE_NAME_6,   "",            20,  85,  82,  11, NAME},
    {T, CONTROL_HIGH_SCORE_SCORE_7,  "",            85,  97,  43,  11, RIGHT},
    {T, CONTROL_HIGH_SCORE_NAME_7,   "",            20,  97,  82,  11, NAME},
    {T, CONTROL_HIGH_SCORE_SCORE_8,  "",            85, 109,  43,  11, RIGHT},
    {T, CONTROL_HIGH_SCORE_NAME_8,   "",            20, 109,  82,  11, NAME},
    {T, CONTROL_HIGH_SCORE_SCORE_9,  "",            85, 121,  43,  11, RIGHT},
    {T, CONTROL_HIGH_SCORE_NAME_9,   "",            20, 121,  82,  11, NAME},
    {T, CONTROL_HIGH_SCORE_SCORE_10, "",            85, 133,  43,  11, RIGHT},
    {T, CONTROL_HIGH_SCORE_NAME_10,  "",            20, 133,  82,  11, NAME},
};

// Name entry: no caption, no cancel. OK is first in the tab order, so the
// focus starts on it, as the program expects; Tab reaches the field.
constexpr DialogControl NAME_ENTRY[] = {
    // kind id                  text                           x    y    w    h  flags
    {B, CONTROL_OK,         "OK",                          67,  39,  50,  14, DIALOG_DEFAULT},
    {T, CONTROL_STATIC,     "Enter Name For High Score:",   7,   7, 110,   9, 0},
    {E, CONTROL_NAME_FIELD, "",                            18,  19, 152,  14, DIALOG_SCROLL},
};

// About. The program's name is given 68 units, not 59: it is wider than that
// in the dialog font and would wrap, losing its version. The link's text is
// the product page; the shell turns the control into a link when the box
// opens.
constexpr DialogControl ABOUT[] = {
    // kind id                    text                     x    y    w    h  flags
    {I, CONTROL_STATIC,       "",                       8,   6,  20,  20, 0},
    {T, CONTROL_STATIC,       "Tarvik Solitaire 1.0",  40,   5,  68,   8, 0},
    {T, CONTROL_STATIC,       "Thanks for playing!",   38,  17,  64,   8, 0},
    {B, CONTROL_OK,           "OK",                   111,   6,  30,  11, DIALOG_DEFAULT},
    {T, CONTROL_PRODUCT_LINK, PRODUCT_PAGE,             0,  44, 149,   8, DIALOG_CENTRED},
};

template <int N>
constexpr int32_t CountOf(const DialogControl (&)[N])
{
    return N;
}

}  // namespace

const DialogTable DIALOG_TABLES[DIALOG_TABLE_COUNT] = {
    // id                  caption  font            points  w    h    controls
    {DIALOG_STATISTICS,  nullptr, "MS Sans Serif", 8, 186, 291, STATISTICS,  CountOf(STATISTICS)},
    {DIALOG_HIGH_SCORES, nullptr, "MS Sans Serif", 8, 150, 178, HIGH_SCORES, CountOf(HIGH_SCORES)},
    {DIALOG_NAME_ENTRY,  nullptr, "MS Sans Serif", 8, 186,  65, NAME_ENTRY,  CountOf(NAME_ENTRY)},
    {DIALOG_ABOUT,       "About", "System",        8, 149,  54, ABOUT,       CountOf(ABOUT)},
};

const DialogTable* FindDialogTable(int32_t id)
{
    for (const DialogTable& table : DIALOG_TABLES) {
        if (table.id == id) {
            return &table;
        }
    }
    return nullptr;
}
