#include "qt/about_box.h"

#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include "platform/platform.h"
#include "qt/hyperlink.h"
#include "qt/platform/dialog_builder.h"
#include "ui/dialog_tables.h"

const char* ProductPageAddress()
{
    // Made once: the working directory is the program's folder for the whole run.
    static const QByteArray address =
        QUrl::fromLocalFile(QDir::current().absoluteFilePath(QString::fromLatin1(PRODUCT_PAGE))).toEncoded();
    return address.constData();
}

void ShowAboutBox(QWidget* owner)
{
    const std::unique_ptr<QDialog> dialog = BuildDialog(DIALOG_ABOUT, owner);
    QDialog* open = dialog.get();
    QObject::connect(DialogItem<QPushButton>(open, CONTROL_OK), &QPushButton::clicked, open, &QDialog::accept);

    // The link shows the page's whole address, which may be wider than the
    // box: the middle gives way, so both the kind of address and the page's
    // name stay readable.
    if (auto* link = DialogItem<QLabel>(open, CONTROL_PRODUCT_LINK)) {
        const QString address = QString::fromUtf8(ProductPageAddress());
        link->setText(link->fontMetrics().elidedText(address, Qt::ElideMiddle, link->width()));
        link->setToolTip(address);
        ConvertStaticToHyperlink(link, [] { SysOpenDocument(ProductPageAddress()); });
    }
    open->exec();
}
