#include "resource_script.h"

#include "ui/dialog_tables.h"
#include "ui/menu_table.h"

#include <cstring>

namespace {

QByteArray Quoted(const char* text)
{
    QByteArray quoted = "\"";
    for (const char* c = text; *c != '\0'; ++c) {
        // A quote inside a resource string is written twice.
        quoted += *c == '"' ? QByteArray("\"\"") : QByteArray(1, *c);
    }
    return quoted + "\"";
}

QByteArray Number(int value)
{
    return QByteArray::number(value);
}

// The menu: one POPUP per menu and per submenu, in the table's order.
QByteArray MenuStatement()
{
    QByteArray rc = Number(MENU_MAIN) + " MENU\nBEGIN\n";
    const char* menu = nullptr;
    const char* submenu = nullptr;
    for (const MenuItem& row : MENU_ITEMS) {
        if (submenu != nullptr && (row.submenu == nullptr || std::strcmp(row.submenu, submenu) != 0 ||
                                   std::strcmp(row.menu, menu) != 0)) {
            rc += "        END\n";
            submenu = nullptr;
        }
        if (menu == nullptr || std::strcmp(row.menu, menu) != 0) {
            if (menu != nullptr) rc += "    END\n";
            menu = row.menu;
            rc += "    POPUP " + Quoted(menu) + "\n    BEGIN\n";
        }
        if (row.submenu != nullptr && submenu == nullptr) {
            submenu = row.submenu;
            rc += "        POPUP " + Quoted(submenu) + "\n        BEGIN\n";
        }
        const QByteArray indent = submenu != nullptr ? "            " : "        ";
        if (row.text == nullptr) {
            rc += indent + "MENUITEM SEPARATOR\n";
            continue;
        }
        rc += indent + "MENUITEM " + Quoted(row.text) + ", " + Number(row.command);
        // Greyed items are also disabled; options start checked.
        if (row.greyed) rc += ", GRAYED, INACTIVE";
        if (row.checkable) rc += ", CHECKED";
        rc += "\n";
    }
    if (submenu != nullptr) rc += "        END\n";
    if (menu != nullptr) rc += "    END\n";
    return rc + "END\n";
}

QByteArray Place(const DialogControl& c)
{
    return Number(c.id) + ", " + Number(c.x) + ", " + Number(c.y) + ", " + Number(c.width) + ", " +
           Number(c.height);
}

// The styles a flag adds beyond what the statement's keyword implies.
QByteArray ExtraStyles(int32_t flags)
{
    struct FlagStyle {
        int32_t flag;
        const char* style;
    };
    constexpr FlagStyle STYLES[] = {
        {DIALOG_NO_WRAP, "SS_LEFTNOWORDWRAP"}, {DIALOG_MIDDLE, "SS_CENTERIMAGE"},
        {DIALOG_BORDER, "WS_BORDER"},          {DIALOG_CLIP_SIBLINGS, "WS_CLIPSIBLINGS"},
        {DIALOG_SCROLL, "ES_AUTOHSCROLL"},
    };
    QByteArray styles;
    for (const FlagStyle& s : STYLES) {
        if (flags & s.flag) styles += (styles.isEmpty() ? "" : " | ") + QByteArray(s.style);
    }
    return styles.isEmpty() ? styles : ", " + styles;
}

QByteArray ControlStatement(const DialogControl& c)
{
    switch (c.kind) {
    case DIALOG_BUTTON:
        return QByteArray(c.flags & DIALOG_DEFAULT ? "DEFPUSHBUTTON " : "PUSHBUTTON ") + Quoted(c.text) + ", " +
               Place(c);
    case DIALOG_TEXT: {
        const char* keyword = c.flags & DIALOG_RIGHT ? "RTEXT " : c.flags & DIALOG_CENTRED ? "CTEXT " : "LTEXT ";
        return keyword + Quoted(c.text) + ", " + Place(c) + ExtraStyles(c.flags);
    }
    case DIALOG_GROUP_BOX:
        return "GROUPBOX " + Quoted(c.text) + ", " + Place(c);
    case DIALOG_EDIT:
        return "EDITTEXT " + Place(c) + ExtraStyles(c.flags);
    case DIALOG_ICON:
        return "ICON " + Number(ICON_PROGRAM) + ", " + Place(c);
    default:
        return "// a control of unknown kind " + Number(c.kind);
    }
}

QByteArray DialogStatement(const DialogTable& d)
{
    QByteArray rc = Number(d.id) + " DIALOG 0, 0, " + Number(d.width) + ", " + Number(d.height) + "\n";
    rc += "STYLE DS_MODALFRAME | DS_CENTER | WS_POPUP";
    rc += d.caption != nullptr ? " | WS_CAPTION | WS_SYSMENU\nCAPTION " + Quoted(d.caption) + "\n" : "\n";
    rc += "FONT " + Number(d.fontPoints) + ", " + Quoted(d.fontName) + "\nBEGIN\n";
    for (int i = 0; i < d.controlCount; ++i) rc += "    " + ControlStatement(d.controls[i]) + "\n";
    return rc + "END\n";
}

}  // namespace

QByteArray ResourceScript()
{
    QByteArray rc =
        "// Made by tarvik-artgen from the program's menu and dialog tables: the\n"
        "// menu bar and the four dialogs. Positions and sizes are dialog units.\n"
        "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\n\n";
    rc += MenuStatement();
    for (const DialogTable& dialog : DIALOG_TABLES) rc += "\n" + DialogStatement(dialog);
    return rc;
}
