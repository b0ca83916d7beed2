#include "icons.h"

#include "store.h"

#include <QDir>

QImage IconAtSide(int side)
{
    QImage icon = MakeIcon();
    while (icon.width() / 2 >= side) {
        icon = icon.scaled(icon.width() / 2, icon.height() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (icon.width() != side) {
        icon = icon.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return icon;
}

int WriteIcons(const QString& folder)
{
    for (int side : ICON_SIDES) {
        const QString apps = QString("%1/%2x%2/apps").arg(folder).arg(side);
        if (!QDir().mkpath(apps) || !IconAtSide(side).save(apps + "/tarvik-solitaire.png", "PNG")) return 0;
    }
    return 1;
}
