#pragma once

#include <stdexcept>
#include <string>

// The one exception type of the game: its message is the Italian text shown to the user.
class Errore : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
