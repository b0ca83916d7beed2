#pragma once
// The About box: the program's name and icon, a thank-you line, OK, and the
// product page as a link that opens in the desktop's browser.

class QWidget;

// Opens the About box over `owner` and returns when it is closed.
void ShowAboutBox(QWidget* owner);
// The product page's absolute address.
const char* ProductPageAddress();
