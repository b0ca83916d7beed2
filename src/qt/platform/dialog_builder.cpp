#include "qt/platform/dialog_builder.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <vector>

#include "qt/platform/captionless_dialog.h"
#include "qt/platform/dialog_units.h"
#include "ui/dialog_tables.h"

namespace {

constexpr int GROUP_TITLE_INDENT = 5;  // dialog units from the box's left edge to its title
constexpr int GROUP_TITLE_HEIGHT = 8;  // the title's line, which the box's top line runs through

QString Text(const DialogControl& control)
{
    return QString::fromLatin1(control.text);
}

QLabel* MakeText(const DialogControl& control, QWidget* parent)
{
    auto* label = new QLabel(Text(control), parent);
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (control.flags & DIALOG_RIGHT) {
        horizontal = Qt::AlignRight;
    } else if (control.flags & DIALOG_CENTRED) {
        horizontal = Qt::AlignHCenter;
    }
    label->setAlignment(horizontal | (control.flags & DIALOG_MIDDLE ? Qt::AlignVCenter : Qt::AlignTop));
    if (control.flags & DIALOG_BORDER) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
    }
    // Painted opaque like a dialog's static text, so a control below it (a
    // long name under its score) is cut where this one starts.
    label->setAutoFillBackground(true);
    return label;
}

// A frame whose title sits on its top line, the line broken behind the title.
QWidget* MakeGroupBox(const DialogControl& control, const DialogUnits& units, QWidget* parent)
{
    auto* box = new QWidget(parent);
    const QRect place = units.Rect(control.x, control.y, control.width, control.height);
    const int half = units.Rect(0, 0, 0, GROUP_TITLE_HEIGHT / 2).height();
    auto* frame = new QFrame(box);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(0, half, place.width(), place.height() - half);
    auto* title = new QLabel(Text(control), box);
    title->setAutoFillBackground(true);
    title->move(units.Rect(GROUP_TITLE_INDENT, 0, 0, 0).topLeft());
    title->adjustSize();
    // The box is only its lines: what lies over it gets the pointer.
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    return box;
}

QWidget* MakeControl(const DialogControl& control, const DialogUnits& units, QWidget* parent)
{
    switch (control.kind) {
    case DIALOG_BUTTON: {
        auto* button = new QPushButton(Text(control), parent);
        // Enter presses the default button and no other.
        button->setDefault((control.flags & DIALOG_DEFAULT) != 0);
        button->setAutoDefault(false);
        return button;
    }
    case DIALOG_TEXT:
        return MakeText(control, parent);
    case DIALOG_GROUP_BOX:
        return MakeGroupBox(control, units, parent);
    case DIALOG_EDIT:
        return new QLineEdit(parent);
    case DIALOG_ICON: {
        auto* icon = new QLabel(parent);
        const QRect place = units.Rect(control.x, control.y, control.width, control.height);
        const int side = qMin(place.width(), place.height());
        icon->setPixmap(QApplication::windowIcon().pixmap(side, side));
        return icon;
    }
    default:
        return nullptr;
    }
}

}  // namespace

std::unique_ptr<QDialog> BuildDialog(int32_t id, QWidget* owner)
{
    const DialogTable* table = FindDialogTable(id);
    if (table == nullptr) {
        return nullptr;
    }
    std::unique_ptr<QDialog> dialog;
    if (table->caption == nullptr) {
        dialog = std::make_unique<CaptionlessDialog>(owner);
        dialog->setWindowFlag(Qt::WindowCloseButtonHint, false);
    } else {
        dialog = std::make_unique<QDialog>(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                      Qt::WindowCloseButtonHint);
        dialog->setWindowTitle(QString::fromLatin1(table->caption));
    }
    const DialogUnits units = SetUpDialog(dialog.get(), table->fontName, table->fontPoints, table->width,
                                          table->height);
    std::vector<QWidget*> made;
    QWidget* firstStop = nullptr;
    for (int i = 0; i < table->controlCount; ++i) {
        const DialogControl& control = table->controls[i];
        QWidget* widget = MakeControl(control, units, dialog.get());
        if (widget == nullptr) {
            continue;
        }
        widget->setObjectName(QString::number(control.id));
        QRect place = units.Rect(control.x, control.y, control.width, control.height);
        if (control.kind == DIALOG_ICON) {
            // Square, at the shorter side of its place.
            const int side = qMin(place.width(), place.height());
            place.setSize(QSize(side, side));
        }
        widget->setGeometry(place);
        if (firstStop == nullptr && widget->focusPolicy() & Qt::TabFocus) {
            firstStop = widget;
        }
        made.push_back(widget);
    }
    // Earlier controls lie above later ones, as in the table.
    for (QWidget* widget : made) {
        widget->lower();
    }
    // The dialog opens with the focus on the first control of the tab order.
    if (firstStop != nullptr) {
        firstStop->setFocus();
    }
    return dialog;
}
