// The menu bar and the four dialogs as JSON, from the program's own tables,
// for the web page, which builds its HTML menu and dialogs from it.
#pragma once

#include <QByteArray>

// {"menu": [{menu, submenu, text, command, checkable, greyed}, ...],
//  "dialogs": [{id, caption, font, points, width, height, controls: [{kind,
//  id, text, x, y, width, height, flags}, ...]}, ...]}: every row in table
// order, texts as UTF-8 from Windows-1252, null where the table has none.
QByteArray UiJson();
