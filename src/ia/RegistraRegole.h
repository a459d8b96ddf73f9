#pragma once

#include <fstream>
#include <string>

// The AI log: a file in the system's temporary folder that names the kind of data it holds.
// A log that cannot be created is no error: the game goes on without it.
class RegistraRegole {
public:
    // Creates (or empties) IAlog.txt in the temporary folder.
    explicit RegistraRegole(bool incrementale = true);
    // Creates (or empties) the log at the given path.
    RegistraRegole(const std::string& percorso, bool incrementale);

    bool Aperto() const { return file.is_open(); }
    const std::string& Percorso() const { return percorso; }

private:
    std::string percorso;
    std::ofstream file;

    void Apri(bool incrementale);
};

// The log of the whole run; the first call creates the file.
RegistraRegole& LogIA();

// The program's start-up calls this once, before any window: it creates IAlog.txt in the
// temporary folder (emptying an earlier one) with its header line. A log that cannot be
// created is no error.
RegistraRegole& AvviaLogIA();
