#pragma once
// The working directory the program runs in, chosen before anything reads a
// file. The program reads and writes everything relative to it.
//
// A copy that has its data beside it (the build folder) runs in its own
// folder. An installed copy (PREFIX/games/tarvik-solitaire with its read-only
// data in PREFIX/share/games/tarvik-solitaire) runs in the player's folder,
// $XDG_DATA_HOME/tarvik-solitaire (by default ~/.local/share/tarvik-solitaire),
// made with mode 0700 on the first start. The shipped files are symbolic links
// there, made when missing and repaired when they point elsewhere; the
// player's own files of the same names are left alone.

#include <filesystem>
#include <string>

// Enters the working directory. Returns a scratch folder to remove at the end
// when the player's folder could not be used (the run then saves into the
// scratch folder, so its results are dropped), else an empty path.
std::filesystem::path EnterWorkingFolder();
// The system's folder for temporary files: TMPDIR when set, else /tmp.
std::string TemporaryFolder();

