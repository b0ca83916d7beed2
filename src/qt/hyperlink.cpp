#include "qt/hyperlink.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>

#include "ui/dialog_tables.h"

namespace {

// Lives as a child of its label, so it goes when the label goes and the label
// needs nothing put back.
class HyperlinkFilter : public QObject {
public:
    HyperlinkFilter(QLabel* label, std::function<void()> onClick)
        : QObject(label), m_label(label), m_onClick(std::move(onClick))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_label) {
            return false;
        }
        switch (event->type()) {
        case QEvent::Enter:
            SetUnderline(true);
            break;
        case QEvent::Leave:
            SetUnderline(false);
            break;
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && m_label->rect().contains(mouse->position().toPoint()) &&
                m_onClick) {
                m_onClick();
            }
            return true;
        }
        default:
            break;
        }
        return false;
    }

private:
    void SetUnderline(bool on)
    {
        QFont font = m_label->font();
        font.setUnderline(on);
        m_label->setFont(font);
    }

    QLabel* m_label;
    std::function<void()> m_onClick;
};

}  // namespace

int ConvertStaticToHyperlink(QLabel* control, std::function<void()> onClick)
{
    QPalette palette = control->palette();
    const QColor blue(LINK_RED, LINK_GREEN, LINK_BLUE);
    palette.setColor(QPalette::Active, QPalette::WindowText, blue);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, blue);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, blue);
    control->setPalette(palette);
    control->setCursor(Qt::PointingHandCursor);
    control->setAttribute(Qt::WA_Hover, true);
    control->installEventFilter(new HyperlinkFilter(control, std::move(onClick)));
    return 1;
}

int ConvertDlgItemToHyperlink(QWidget* dialog, int controlId, std::function<void()> onClick)
{
    auto* label = dialog->findChild<QLabel*>(QString::number(controlId));
    if (label == nullptr) {
        return 0;
    }
    return ConvertStaticToHyperlink(label, std::move(onClick));
}
