// The menu bar and the four dialogs of the Windows program as a resource
// script, written from the shared tables at build time: the .rc holds no
// menu or dialog of its own, so a label, a place or an id changed in the
// tables changes the Windows program too.
#pragma once

#include <QByteArray>

// The MENU and DIALOG statements for windres, ids as numbers.
QByteArray ResourceScript();
