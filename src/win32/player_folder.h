#pragma once
// The working directory the program runs in, chosen before anything reads a
// file.
//
// A copy that has no installer's record runs in its own folder (the build
// folder, an unpacked zip): everything lies beside it and stats.hsf is
// written there. The copy the installer registered runs in the player's
// folder, %APPDATA%\Tarvik Solitaire, made on the first start, where
// stats.hsf and the player's own Backgrounds live; the shipped files are
// read from the program's folder, never copied, and nothing is written there.

#include <windows.h>

// Enters the working directory (and tells the platform where the shipped
// files are). 1 on success; 0 when no folder could be entered.
int EnterWorkingFolder();
