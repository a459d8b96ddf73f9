#pragma once

#include <cstdio>
#include <cstdlib>

// A promise of the reader that the input broke: the fuzzer keeps the input that did it.
#define CONTROLLA(condizione)                                                                      \
    do {                                                                                           \
        if (!(condizione)) {                                                                       \
            std::fprintf(stderr, "%s:%d: promessa mancata: %s\n", __FILE__, __LINE__,              \
                         #condizione);                                                             \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
