#pragma once
// A modal dialog without a caption or close box that only its own buttons
// end: Escape and the window system's close request do nothing.

#include <QDialog>

class CaptionlessDialog : public QDialog {
public:
    explicit CaptionlessDialog(QWidget* owner);

    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
