#pragma once

#include <string>

// A number in fixed-point notation with the given decimals and "." as decimal separator,
// whatever the C or C++ locale: the texts shown and compared must not change with the
// user's settings. A value that rounds to zero is written without a minus sign.
std::string NumeroFisso(double valore, int decimali);
