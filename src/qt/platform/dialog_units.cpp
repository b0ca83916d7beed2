#include "qt/platform/dialog_units.h"

#include <QFontMetrics>
#include <QWidget>

namespace {

constexpr const char* AVERAGE_SAMPLE = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int AVERAGE_SAMPLE_LENGTH = 52;

}  // namespace

QRect DialogUnits::Rect(int x, int y, int width, int height) const
{
    return QRect(x * averageCharWidth / 4, y * fontHeight / 8, width * averageCharWidth / 4,
                 height * fontHeight / 8);
}

QFont DialogFont(const char* family, int points)
{
    QFont font;
    font.setFamilies({QString::fromLatin1(family), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSize(points);
    return font;
}

DialogUnits UnitsOf(const QFont& font)
{
    const QFontMetrics metrics(font);
    DialogUnits units;
    // The average over both alphabets, rounded to the nearest pixel.
    const int sample = metrics.horizontalAdvance(QString::fromLatin1(AVERAGE_SAMPLE));
    units.averageCharWidth = (sample / (AVERAGE_SAMPLE_LENGTH / 2) + 1) / 2;
    units.fontHeight = metrics.height();
    if (units.averageCharWidth < 1) {
        units.averageCharWidth = 1;
    }
    if (units.fontHeight < 1) {
        units.fontHeight = 1;
    }
    return units;
}

DialogUnits SetUpDialog(QWidget* dialog, const char* fontFamily, int fontPoints, int width, int height)
{
    dialog->setFont(DialogFont(fontFamily, fontPoints));
    const DialogUnits units = UnitsOf(dialog->font());
    dialog->setFixedSize(units.Rect(0, 0, width, height).size());
    return units;
}
