#include "qt/about_box.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include "qt/hyperlink.h"
#include "platform/platform.h"
#include "qt/platform/dialog_units.h"

namespace {

constexpr int DIALOG_WIDTH = 149;
constexpr int DIALOG_HEIGHT = 54;
constexpr int ICON_DIALOG_UNITS = 20;

void AddText(QDialog* dialog, const char* text, QRect place)
{
    auto* label = new QLabel(QString::fromLatin1(text), dialog);
    label->setGeometry(place);
}

}  // namespace

const char* ProductPageAddress()
{
    // Made once: the working directory is the program's folder for the whole run.
    static const QByteArray address =
        QUrl::fromLocalFile(QDir::current().absoluteFilePath(QString::fromLatin1(PRODUCT_PAGE))).toEncoded();
    return address.constData();
}

void ShowAboutBox(QWidget* owner)
{
    QDialog dialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    dialog.setWindowTitle(QStringLiteral("About"));
    const DialogUnits units = SetUpDialog(&dialog, DIALOG_WIDTH, DIALOG_HEIGHT);

    auto* icon = new QLabel(&dialog);
    const QRect iconPlace = units.Rect(8, 6, ICON_DIALOG_UNITS, ICON_DIALOG_UNITS);
    const int side = qMin(iconPlace.width(), iconPlace.height());
    icon->setPixmap(QApplication::windowIcon().pixmap(side, side));
    icon->setGeometry(iconPlace.x(), iconPlace.y(), side, side);
    // Wider than 59 units: the name must not be cut in a wider font.
    AddText(&dialog, "Tarvik Solitaire 1.0", units.Rect(40, 5, 68, 8));
    AddText(&dialog, "Thanks for playing!", units.Rect(38, 17, 64, 8));

    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setObjectName(QStringLiteral("1"));
    ok->setGeometry(units.Rect(111, 6, 30, 11));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);

    // The address may be wider than the box: the middle gives way, so both
    // the kind of address and the page's name stay readable.
    const QRect linkPlace = units.Rect(0, 44, DIALOG_WIDTH, 8);
    const QString address = QString::fromUtf8(ProductPageAddress());
    auto* link = new QLabel(dialog.fontMetrics().elidedText(address, Qt::ElideMiddle, linkPlace.width()), &dialog);
    link->setObjectName(QString::number(CONTROL_PRODUCT_LINK));
    link->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    link->setGeometry(linkPlace);
    link->setToolTip(address);
    ConvertDlgItemToHyperlink(&dialog, CONTROL_PRODUCT_LINK, [] { SysOpenDocument(ProductPageAddress()); });

    dialog.exec();
}
