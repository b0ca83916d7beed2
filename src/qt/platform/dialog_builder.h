#pragma once
// Builds a Qt dialog from the shared dialog table of its id: every control
// of the table and nothing else, placed in dialog units, named by its control
// number (QObject::objectName), stacked and tabbed in the table's order. The
// callers only fill the controls and answer their buttons, found by number.

#include <QDialog>

#include <cstdint>
#include <memory>

class QWidget;

// The dialog of table `id` over `owner`, modal: without a caption (and then
// without a close box; Escape and the close request do nothing) unless the
// table gives one. nullptr when there is no such table.
std::unique_ptr<QDialog> BuildDialog(int32_t id, QWidget* owner);
// The dialog's control with that number, cast to T; nullptr when it has none.
template <typename T>
T* DialogItem(QWidget* dialog, int32_t controlId)
{
    return dialog->findChild<T*>(QString::number(controlId));
}
