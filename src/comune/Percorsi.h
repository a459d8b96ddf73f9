#pragma once

#include <string>
#include <vector>

// Where the program finds the data that ships with it (rules file, card sets, backgrounds):
// the current folder, then the program's own folder, then the installed data folder.

// The folder of the executable; the entry point sets it (empty until then).
void ImpostaCartellaProgramma(const std::string& cartella);
const std::string& CartellaProgramma();
// The folder of the running executable (from /proc, else from argv[0]), for an entry point
// without Qt to give ImpostaCartellaProgramma.
std::string CartellaEseguibile(const char* argv0);

// The installed data folder: share/pentaludo beside the program's bin folder when there is
// one, else where the build meant to install it.
std::string CartellaDatiInstallati();

// The folders searched for a data file, in order, without repetitions.
std::vector<std::string> CartelleDati();

// The path of the first existing file named nome in those folders; nome itself when it holds
// a folder part; empty when none exists.
std::string TrovaFileDati(const std::string& nome);
