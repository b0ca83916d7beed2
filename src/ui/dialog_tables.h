#pragma once
// The four dialogs as tables: each control's kind, number, text, place and
// size in dialog units, and its flags, in the order of the tab sequence.
// Every shell builds its dialogs from these (the Qt shell at run time, the
// Windows shell's .rc at build time, the web page from its JSON); a shell
// fills and answers the controls by number and holds no place or text of its
// own. Plain arrays of plain records, so another language can walk them.
//
// Dialog units: x is a quarter of the dialog font's average character width,
// y an eighth of its height. Earlier controls lie above later ones where
// they overlap, as in a Windows dialog: the order is both the tab order and
// the stacking order.

#include <cstdint>

#include "ui/ids.h"
#include "ui/menu_table.h"

enum DialogControlKind : int32_t {
    DIALOG_BUTTON = 0,     // a push button
    DIALOG_TEXT = 1,       // a static text, left-aligned unless a flag says otherwise
    DIALOG_GROUP_BOX = 2,  // a frame with its title on its top line
    DIALOG_EDIT = 3,       // a one-line text field with a border
    DIALOG_ICON = 4,       // the program's icon
};

// Flags of a control, ORed.
enum DialogControlFlag : int32_t {
    DIALOG_DEFAULT = 1 << 0,        // the default button: Enter presses it
    DIALOG_RIGHT = 1 << 1,          // text right-aligned
    DIALOG_CENTRED = 1 << 2,        // text centred
    DIALOG_BORDER = 1 << 3,         // a thin border around it
    DIALOG_MIDDLE = 1 << 4,         // text centred vertically
    DIALOG_NO_WRAP = 1 << 5,        // text on one line, cut at the right
    DIALOG_CLIP_SIBLINGS = 1 << 6,  // painted only where no earlier control lies over it
    DIALOG_SCROLL = 1 << 7,         // a field that scrolls its text sideways while typing
};

struct DialogControl {
    int32_t kind;     // DialogControlKind
    int32_t id;       // CONTROL_*; CONTROL_STATIC for one nobody asks for
    const char* text; // Windows-1252; "" for a field filled at run time
    int32_t x, y, width, height;  // dialog units
    int32_t flags;    // DialogControlFlag, ORed
};

struct DialogTable {
    int32_t id;            // DIALOG_*
    const char* caption;   // nullptr: no caption, and no close box
    const char* fontName;  // the dialog font ("MS Sans Serif", "System")
    int32_t fontPoints;
    int32_t width, height; // dialog units
    const DialogControl* controls;
    int32_t controlCount;
};

constexpr int DIALOG_TABLE_COUNT = 4;
// Statistics, high scores, name entry, About.
extern const DialogTable DIALOG_TABLES[DIALOG_TABLE_COUNT];
// The table of dialog `id`; nullptr when there is none.
const DialogTable* FindDialogTable(int32_t id);

// The product page of the About box's link. Until the game has a public home
// page it is the instructions page beside the program.
constexpr const char* PRODUCT_PAGE = INSTRUCTIONS_PAGE;
// The About box's link: dark blue text.
constexpr int32_t LINK_RED = 0, LINK_GREEN = 0, LINK_BLUE = 192;
