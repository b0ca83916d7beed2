// The page "instructions.htm": how to play the five games as this program
// plays them, with the menus and options. Self-contained HTML.
#pragma once

#include <QByteArray>

QByteArray InstructionsPage();
