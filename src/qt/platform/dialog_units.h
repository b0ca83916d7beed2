#pragma once
// Dialog layouts are given in dialog units of the dialog's font: x units are
// a quarter of its average character width, y units an eighth of its height.

#include <QFont>
#include <QRect>

class QWidget;

struct DialogUnits {
    int averageCharWidth = 1;  // pixels
    int fontHeight = 1;        // pixels

    // Pixels of a rectangle given in dialog units.
    QRect Rect(int x, int y, int width, int height) const;
};

// A dialog's font: the family its table names where this system has it, else
// a common sans-serif, at `points`.
QFont DialogFont(const char* family, int points);
// The units of `font` as it is shown on screen.
DialogUnits UnitsOf(const QFont& font);
// Gives the dialog its font and a fixed size of width x height dialog units,
// and returns the units for placing its controls.
DialogUnits SetUpDialog(QWidget* dialog, const char* fontFamily, int fontPoints, int width, int height);
