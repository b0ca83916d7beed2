#include "qt/platform/captionless_dialog.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

CaptionlessDialog::CaptionlessDialog(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint)
{
    setModal(true);
}

void CaptionlessDialog::reject()
{
    // Escape and the close request both arrive here; neither ends the dialog.
}

void CaptionlessDialog::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    // Without a caption the window system may draw no frame at all, so the
    // dialog draws its own raised edge.
    QPainter painter(this);
    QStyleOptionFrame option;
    option.initFrom(this);
    option.frameShape = QFrame::Panel;
    option.state |= QStyle::State_Raised;
    option.lineWidth = 2;
    style()->drawPrimitive(QStyle::PE_Frame, &option, &painter, this);
}
