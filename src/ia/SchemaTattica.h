#pragma once

#include <string>

// The situation of a decision as one of 150 patterns: the deciding seat's place in the trick
// (0 = it leads), the caller's place counted from the leader, and the partner's place plus 1
// (0 = partner unknown).
inline constexpr int kNumeroSchemi = 150;

constexpr int IndiceSchema(int posizione, int posizioneChiamante, int codiceSocio) {
    return posizione + 30 * posizioneChiamante + 5 * codiceSocio;
}

// Five letters, one per place in the trick from the leader: "c" the caller, "s" the partner,
// "m" the caller who is also the partner's place, "a" anyone else; the deciding seat's
// letter upper case. Empty outside 0..149.
std::string EtichettaSchema(int indice);
