#pragma once
// Turns a text label of a dialog into a link: dark blue text, a hand pointer,
// underlined only while the pointer is over it, and a click reported to the
// dialog. The label stays a link until it is destroyed.

#include <functional>

class QLabel;
class QWidget;

// Converts the label; a left click inside it calls onClick. Returns 1.
int ConvertStaticToHyperlink(QLabel* control, std::function<void()> onClick);
// The same for the dialog's label whose object name is the control id;
// 0 when the dialog has no such label.
int ConvertDlgItemToHyperlink(QWidget* dialog, int controlId, std::function<void()> onClick);
