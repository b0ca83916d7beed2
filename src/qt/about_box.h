#pragma once
// The About box: the program's name and icon, a thank-you line, OK, and the
// product page as a link that opens in the desktop's browser.

class QWidget;

constexpr int CONTROL_PRODUCT_LINK = 1060;
// The product page. Until the game has a public home page it is the
// instructions page beside the program.
constexpr const char* PRODUCT_PAGE = "instructions.htm";

// Opens the About box over `owner` and returns when it is closed.
void ShowAboutBox(QWidget* owner);
// The product page's absolute address.
const char* ProductPageAddress();
