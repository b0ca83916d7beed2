#include "ui_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include "platform/common/windows_1252.h"
#include "store/stats_store.h"
#include "ui/dialog_tables.h"
#include "ui/menu_table.h"

namespace {

// A table's Windows-1252 text as a JSON string, or null for a missing one.
QJsonValue Text(const char* text)
{
    if (text == nullptr) return QJsonValue::Null;
    QString out;
    for (const char* c = text; *c; ++c) out += QChar(UnicodeOfWindows1252(static_cast<unsigned char>(*c)));
    return out;
}

QJsonArray MenuRows()
{
    QJsonArray rows;
    for (const MenuItem& item : MENU_ITEMS) {
        rows.append(QJsonObject{{"menu", Text(item.menu)},
                                {"submenu", Text(item.submenu)},
                                {"text", Text(item.text)},
                                {"command", item.command},
                                {"checkable", item.checkable != 0},
                                {"greyed", item.greyed != 0}});
    }
    return rows;
}

QJsonArray Dialogs()
{
    QJsonArray dialogs;
    for (const DialogTable& table : DIALOG_TABLES) {
        QJsonArray controls;
        for (int i = 0; i < table.controlCount; ++i) {
            const DialogControl& c = table.controls[i];
            controls.append(QJsonObject{{"kind", c.kind}, {"id", c.id}, {"text", Text(c.text)},
                                        {"x", c.x}, {"y", c.y}, {"width", c.width}, {"height", c.height},
                                        {"flags", c.flags}});
        }
        dialogs.append(QJsonObject{{"id", table.id}, {"caption", Text(table.caption)},
                                   {"font", Text(table.fontName)}, {"points", table.fontPoints},
                                   {"width", table.width}, {"height", table.height}, {"controls", controls}});
    }
    return dialogs;
}

// The names the page reads the tables by: the kinds and flags of a control,
// the numbers it answers itself, the size of the statistics file.
QJsonObject Names()
{
    return QJsonObject{
        {"BUTTON", DIALOG_BUTTON},
        {"TEXT", DIALOG_TEXT},
        {"GROUP_BOX", DIALOG_GROUP_BOX},
        {"EDIT", DIALOG_EDIT},
        {"ICON", DIALOG_ICON},
        {"DEFAULT", DIALOG_DEFAULT},
        {"RIGHT", DIALOG_RIGHT},
        {"CENTRED", DIALOG_CENTRED},
        {"BORDER", DIALOG_BORDER},
        {"MIDDLE", DIALOG_MIDDLE},
        {"NO_WRAP", DIALOG_NO_WRAP},
        {"CLIP_SIBLINGS", DIALOG_CLIP_SIBLINGS},
        {"SCROLL", DIALOG_SCROLL},
        {"CONTROL_STATIC", CONTROL_STATIC},
        {"CONTROL_OK", CONTROL_OK},
        {"CONTROL_CANCEL", CONTROL_CANCEL},
        {"DIALOG_NAME_ENTRY", DIALOG_NAME_ENTRY},
        {"CONTROL_NAME_FIELD", CONTROL_NAME_FIELD},
        {"CONTROL_PRODUCT_LINK", CONTROL_PRODUCT_LINK},
        {"STATS_FILE_SIZE", STATS_FILE_SIZE},
    };
}

}  // namespace

QByteArray UiJson()
{
    const QJsonObject root{{"menu", MenuRows()},
                           {"dialogs", Dialogs()},
                           {"link", QJsonObject{{"page", PRODUCT_PAGE},
                                                {"red", LINK_RED}, {"green", LINK_GREEN}, {"blue", LINK_BLUE}}},
                           {"instructions", INSTRUCTIONS_PAGE},
                           {"names", Names()}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}
