// The program's own menu and dialog resources, loaded under Windows (Wine),
// against the shared tables the core acts on: the menu bar row by row against
// MENU_ITEMS, and the score dialogs filled by their real dialog procedures,
// each value field read back and found inside its game's group, in its
// column and on its line. Writes what it found to the file named by its
// argument, ending with "N passed, M failed". Given the program's folder as a
// second argument, it also reads every picture the start-up loads from its
// resources.dll, and damaged and foreign libraries in its place. With "--show ID SECONDS" it
// only shows that dialog, filled, for a screenshot.

#include <windows.h>

#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/menu.h"
#include "gfx/texture_slots.h"
#include "platform/platform.h"
#include "store/score_tables.h"
#include "store/stats_store.h"
#include "win32/about_box.h"
#include "win32/hyperlink.h"
#include "ui/ids.h"
#include "win32/score_dialogs.h"

namespace {

FILE* g_log = nullptr;
int g_passed = 0;
int g_failed = 0;

void Check(bool ok, const std::string& what)
{
    (ok ? g_passed : g_failed) += 1;
    std::fprintf(g_log, "%s: %s\n", ok ? "ok" : "FAIL", what.c_str());
}

std::string Text(HWND control)
{
    char text[256] = "";
    GetWindowTextA(control, text, sizeof text);
    return text;
}

std::string FieldText(HWND dialog, int id)
{
    char text[256] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

RECT Rect(HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    return rect;
}

// ---- the menu bar ------------------------------------------------------------

struct MenuRow {
    std::string menu, submenu, text;
    UINT id;
    bool checked, greyed, separator;
};

void WalkMenu(HMENU menu, const std::string& top, const std::string& sub, std::vector<MenuRow>* rows)
{
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[128] = "";
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_STRING | MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_FTYPE;
        item.dwTypeData = text;
        item.cch = sizeof text;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &item);
        if (item.hSubMenu != nullptr) {
            if (top.empty()) {
                WalkMenu(item.hSubMenu, text, {}, rows);
            } else {
                WalkMenu(item.hSubMenu, top, text, rows);
            }
            continue;
        }
        const bool separator = (item.fType & MFT_SEPARATOR) != 0;
        rows->push_back({top, sub, separator ? "" : text, item.wID, (item.fState & MFS_CHECKED) != 0,
                         (item.fState & MFS_GRAYED) != 0, separator});
    }
}

void CheckMenu()
{
    const HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(MENU_MAIN));
    Check(menu != nullptr, "menu 109 loads");
    if (menu == nullptr) {
        return;
    }
    std::vector<MenuRow> rows;
    WalkMenu(menu, {}, {}, &rows);
    Check(rows.size() == MENU_ITEM_COUNT, "the menu has as many rows as MENU_ITEMS: " + std::to_string(rows.size()));
    for (size_t i = 0; i < rows.size() && i < MENU_ITEM_COUNT; ++i) {
        const MenuItem& want = MENU_ITEMS[i];
        const MenuRow& got = rows[i];
        char name[64];
        std::snprintf(name, sizeof name, "menu row %d (%s)", static_cast<int>(i), want.text ? want.text : "separator");
        const bool same = got.menu == want.menu && got.submenu == (want.submenu ? want.submenu : "") &&
                          got.separator == (want.text == nullptr) && got.text == (want.text ? want.text : "") &&
                          (want.text == nullptr || got.id == static_cast<UINT>(want.command)) &&
                          (want.text == nullptr ||  // the system reports separators greyed
                           (got.checked == (want.checkable != 0) && got.greyed == (want.greyed != 0)));
        Check(same, std::string(name) + ": got \"" + got.menu + "/" + got.submenu + "/" + got.text + "\" id " +
                        std::to_string(got.id) + (got.checked ? " checked" : "") + (got.greyed ? " greyed" : ""));
    }
    DestroyMenu(menu);
}

// ---- the dialogs -------------------------------------------------------------

HWND Open(int resource, DLGPROC procedure)
{
    return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource), nullptr, procedure, 0);
}

bool IsClass(HWND control, const char* name)
{
    char found[64] = "";
    GetClassNameA(control, found, sizeof found);
    return _stricmp(found, name) == 0;
}

// The group box whose title is `title`; null when there is none.
HWND GroupBox(HWND dialog, const char* title)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        if (IsClass(child, "Button") && (style & BS_TYPEMASK) == BS_GROUPBOX && Text(child) == title) {
            return child;
        }
    }
    return nullptr;
}

bool Inside(const RECT& inner, const RECT& outer)
{
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

constexpr const char* GAME_GROUPS[] = {"Klondike", "Freecell", "Scorpion", "Mount Sunflower", "Baker's Dozen"};

void CheckStatisticsDialog()
{
    // Every record and counter a value of its own, so a field that shows the
    // wrong one is seen.
    for (int i = 0; i <= STATS_GAMES_DEALT; ++i) {
        SetLifetimeCount(i, 100 + i);
        SetSessionCount(i, 200 + i);
    }
    const HWND dialog = Open(DIALOG_STATISTICS, StatisticsDialogProc);
    Check(dialog != nullptr, "statistics dialog 129 opens");
    if (dialog == nullptr) {
        return;
    }
    for (int f = 0; f < STATISTICS_FIELD_COUNT; ++f) {
        const StatisticsField& field = STATISTICS_FIELDS[f];
        const std::string want = std::to_string((field.lifetime ? 100 : 200) + field.index);
        const std::string got = FieldText(dialog, field.controlId);
        Check(got == want, "statistics field " + std::to_string(field.controlId) + " shows " + want + ", got " + got);
    }
    // Four fields per game inside its group: lifetime left of session, wins
    // above losses. Then the two totals below every group.
    RECT lowestGroup = {};
    for (int g = 0; g < 5; ++g) {
        const HWND group = GroupBox(dialog, GAME_GROUPS[g]);
        Check(group != nullptr, std::string("group box \"") + GAME_GROUPS[g] + "\"");
        if (group == nullptr) {
            continue;
        }
        const RECT box = Rect(group);
        lowestGroup = box;
        RECT at[4];
        bool all = true;
        for (int k = 0; k < 4; ++k) {
            const HWND field = GetDlgItem(dialog, STATISTICS_FIELDS[4 * g + k].controlId);
            all = all && field != nullptr && IsClass(field, "Static");
            at[k] = field != nullptr ? Rect(field) : RECT{};
            all = all && Inside(at[k], box);
        }
        Check(all, std::string("the four fields of ") + GAME_GROUPS[g] + " are texts inside its group");
        Check(at[0].right <= at[2].left && at[1].right <= at[3].left && at[0].top < at[1].top && at[2].top < at[3].top,
              std::string("lifetime left of session, wins above losses in ") + GAME_GROUPS[g]);
    }
    const RECT lifetimeGames = Rect(GetDlgItem(dialog, STATISTICS_FIELDS[20].controlId));
    const RECT sessionGames = Rect(GetDlgItem(dialog, STATISTICS_FIELDS[21].controlId));
    Check(lifetimeGames.top >= lowestGroup.bottom && lifetimeGames.right <= sessionGames.left,
          "the games dealt below the groups, lifetime left of session");

    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(CONTROL_CLEAR_ALL_STATS, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, CONTROL_CLEAR_ALL_STATS)));
    bool cleared = true;
    for (const StatisticsField& field : STATISTICS_FIELDS) {
        cleared = cleared && FieldText(dialog, field.controlId) == "0";
    }
    Check(cleared, "\"Clear All Stats\" (1027) shows 0 in every field");
    Check(FieldText(dialog, IDOK) == "OK" && (GetWindowLongA(GetDlgItem(dialog, IDOK), GWL_STYLE) & BS_TYPEMASK) ==
                                                 BS_DEFPUSHBUTTON,
          "\"OK\" is the default button of the statistics dialog");
    DestroyWindow(dialog);
}

void CheckHighScoreDialog()
{
    for (int rank = 0; rank < HIGH_SCORE_RANKS; ++rank) {
        SetRecordText(STATS_FIRST_NAME + rank, ("player " + std::to_string(rank + 1)).c_str());
        SetRecordText(STATS_FIRST_SCORE + rank, std::to_string(100 + rank).c_str());
    }
    const HWND dialog = Open(DIALOG_HIGH_SCORES, HighScoresDialogProc);
    Check(dialog != nullptr, "high-score dialog 133 opens");
    if (dialog == nullptr) {
        return;
    }
    LONG lastTop = -1;
    for (int rank = 0; rank < HIGH_SCORE_RANKS; ++rank) {
        const int nameId = HIGH_SCORE_NAME_FIELDS[rank];
        const int scoreId = HIGH_SCORE_SCORE_FIELDS[rank];
        Check(FieldText(dialog, nameId) == "player " + std::to_string(rank + 1) &&
                  FieldText(dialog, scoreId) == std::to_string(100 + rank),
              "rank " + std::to_string(rank + 1) + ": name field " + std::to_string(nameId) + ", score field " +
                  std::to_string(scoreId));
        const RECT name = Rect(GetDlgItem(dialog, nameId));
        const RECT score = Rect(GetDlgItem(dialog, scoreId));
        Check(name.top > lastTop && name.top == score.top && name.left < score.left,
              "rank " + std::to_string(rank + 1) + " is one row, below the rank above, name left of score");
        lastTop = name.top;
    }
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(CONTROL_CLEAR_HIGH_SCORES, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, CONTROL_CLEAR_HIGH_SCORES)));
    bool cleared = true;
    for (int rank = 0; rank < HIGH_SCORE_RANKS; ++rank) {
        cleared = cleared && FieldText(dialog, HIGH_SCORE_NAME_FIELDS[rank]) == "-" &&
                  FieldText(dialog, HIGH_SCORE_SCORE_FIELDS[rank]) == "10000";
    }
    Check(cleared && FieldText(dialog, CONTROL_CLEAR_HIGH_SCORES) == "Clear", "\"Clear\" (1054) shows a fresh table");
    DestroyWindow(dialog);
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

void CheckNameEntryDialog()
{
    const HWND dialog = Open(DIALOG_NAME_ENTRY, PlainDialogProc);
    Check(dialog != nullptr, "name-entry dialog 135 opens");
    if (dialog == nullptr) {
        return;
    }
    const HWND field = GetDlgItem(dialog, CONTROL_NAME_FIELD);
    Check(field != nullptr && IsClass(field, "Edit") && (GetWindowLongA(field, GWL_STYLE) & ES_AUTOHSCROLL),
          "the name field (1045) is an edit field that scrolls");
    Check(GetNextDlgTabItem(dialog, nullptr, FALSE) == GetDlgItem(dialog, IDOK),
          "\"OK\" is first in the tab order of the name entry");
    Check((GetWindowLongA(dialog, GWL_STYLE) & WS_CAPTION) != WS_CAPTION, "the name entry has no caption");
    DestroyWindow(dialog);
}

void CheckAboutBox()
{
    const HWND dialog = Open(DIALOG_ABOUT, AboutDialogProc);
    Check(dialog != nullptr, "About box 103 opens");
    if (dialog == nullptr) {
        return;
    }
    const HWND link = GetDlgItem(dialog, CONTROL_PRODUCT_LINK);
    Check(link != nullptr && Text(link) == PRODUCT_PAGE, "the link (1060) shows the product page");
    Check(link != nullptr && GetPropA(link, "_Hyperlink_From_Static_") != nullptr &&
              reinterpret_cast<WNDPROC>(GetWindowLongPtrA(link, GWLP_WNDPROC)) == HyperlinkProc &&
              reinterpret_cast<WNDPROC>(GetWindowLongPtrA(dialog, GWLP_WNDPROC)) == HyperlinkParentProc &&
              (GetWindowLongA(link, GWL_STYLE) & SS_NOTIFY),
          "the link is converted when the box opens: its and the box's procedures replaced, clicks reported");
    Check(Text(dialog) == "About", "the About box's caption");
    DestroyWindow(dialog);
}

// ---- the picture store ---------------------------------------------------------

std::vector<uint8_t> ReadAll(const char* path)
{
    std::vector<uint8_t> bytes(64 * 1024 * 1024);
    const int64_t got = SysReadFile(path, bytes.data(), static_cast<int64_t>(bytes.size()));
    bytes.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return bytes;
}

bool WriteAll(const char* path, const std::vector<uint8_t>& bytes)
{
    return SysReplaceFile(path, bytes.data(), static_cast<int64_t>(bytes.size())) == 1;
}

// Every picture the start-up loads, from the shipped resources.dll in
// `gameFolder`; then a copy with one bitmap's header claiming more rows than
// the resource holds, and files that are no picture library at all.
void CheckPictureStore(const char* gameFolder)
{
    char start[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, start);
    Check(SetCurrentDirectoryA(gameFolder) && SysOpenPictureStore() == 1, "resources.dll opens as a picture store");
    int loaded = 0;
    int width = 0;
    int height = 0;
    int firstWidth = 0;
    int firstHeight = 0;
    for (int i = 0; i < STORE_PICTURES_LOADED; ++i) {
        const int id = StorePictureToLoad(i).id;
        SysImage image;
        if (SysStorePictureSize(id, &width, &height) && SysDecodeStorePicture(id, width, height, &image) &&
            image.rgba.size() == 4u * width * height) {
            ++loaded;
        }
        if (id == FIRST_STORE_PICTURE) {
            firstWidth = width;
            firstHeight = height;
        }
    }
    Check(loaded == STORE_PICTURES_LOADED, "every picture the start-up loads is in resources.dll and decodes: " +
                                               std::to_string(loaded) + " of " +
                                               std::to_string(STORE_PICTURES_LOADED));
    SysClosePictureStore();
    std::vector<uint8_t> library = ReadAll("resources.dll");
    SetCurrentDirectoryA(start);

    char temporary[MAX_PATH];
    GetTempPathA(MAX_PATH, temporary);
    const std::string folder = std::string(temporary) + "tarvik-store-check";
    CreateDirectoryA(folder.c_str(), nullptr);
    SetCurrentDirectoryA(folder.c_str());
    // The first card's header: 40, its width, its height, one plane, 24 bits.
    const uint32_t header[4] = {40, static_cast<uint32_t>(firstWidth), static_cast<uint32_t>(firstHeight), 0x180001};
    size_t at = 0;
    while (at + sizeof header <= library.size() && std::memcmp(&library[at], header, sizeof header) != 0) {
        ++at;
    }
    const bool found = at + sizeof header <= library.size();
    if (found) {
        const uint32_t rows = 0x4000;  // far more than the resource's bytes hold
        std::memcpy(&library[at + 8], &rows, sizeof rows);
    }
    SysImage image;
    Check(found && WriteAll("resources.dll", library) && SysOpenPictureStore() == 1 &&
              !SysStorePictureSize(FIRST_STORE_PICTURE, &width, &height) &&
              !SysDecodeStorePicture(FIRST_STORE_PICTURE, 64, 64, &image) &&
              SysStorePictureSize(FIRST_STORE_PICTURE + 1, &width, &height),
          "a bitmap whose header claims more than the resource holds is refused; the others still load");
    SysClosePictureStore();
    const std::vector<uint8_t> garbage(4096, 0x4D);
    Check(WriteAll("resources.dll", garbage) && SysOpenPictureStore() == 0, "a file that is no library is no store");
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::vector<uint8_t> program = ReadAll(self);
    Check(!program.empty() && WriteAll("resources.dll", program) && SysOpenPictureStore() == 1 &&
              !SysStorePictureSize(FIRST_STORE_PICTURE, &width, &height),
          "a library without the pictures opens, runs nothing, and has no picture");
    SysClosePictureStore();
    DeleteFileA("resources.dll");
    SetCurrentDirectoryA(start);
    RemoveDirectoryA(folder.c_str());
}

// Shows dialog `resource` for `seconds`, filled as the program fills it, for
// a screenshot; the name entry shows a name being typed.
int Show(int resource, int seconds)
{
    DLGPROC procedure = PlainDialogProc;
    if (resource == DIALOG_STATISTICS) {
        procedure = StatisticsDialogProc;
    } else if (resource == DIALOG_HIGH_SCORES) {
        procedure = HighScoresDialogProc;
    } else if (resource == DIALOG_ABOUT) {
        procedure = AboutDialogProc;
    }
    const HWND dialog = Open(resource, procedure);
    if (dialog == nullptr) {
        return 1;
    }
    if (resource == DIALOG_NAME_ENTRY) {
        SetDlgItemTextA(dialog, CONTROL_NAME_FIELD, "A. Player");
    }
    ShowWindow(dialog, SW_SHOW);
    const DWORD end = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
    MSG message;
    while (GetTickCount() < end) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!IsDialogMessageA(dialog, &message)) {
                DispatchMessageA(&message);
            }
        }
        Sleep(20);
    }
    DestroyWindow(dialog);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--show") == 0) {
        SetDefaultStats();
        return Show(std::atoi(argv[2]), std::atoi(argv[3]));
    }
    g_log = argc > 1 ? std::fopen(argv[1], "wb") : stdout;  // lines end in \n alone
    if (g_log == nullptr) {
        return 2;
    }
    SetDefaultStats();
    CheckMenu();
    CheckStatisticsDialog();
    CheckHighScoreDialog();
    CheckNameEntryDialog();
    CheckAboutBox();
    if (argc > 2) {
        CheckPictureStore(argv[2]);
    }
    std::fprintf(g_log, "%d passed, %d failed\n", g_passed, g_failed);
    std::fclose(g_log);
    return g_failed == 0 ? 0 : 1;
}
