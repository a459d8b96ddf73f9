#pragma once

#include <array>
#include <cstdint>

#include "ia/GiocaCartaProbabilita.h"
#include "ia/SituazioneTattica.h"

// The working tables of one trick estimate, for whoever wants to look inside it.
struct DettaglioPresa {
    double puntiInGioco = 0.0;
    std::array<std::array<double, 5>, 20> presa{};
    std::array<double, 20> pesoRiga{};
    std::array<double, 5> probabilita{};
    std::array<double, 5> quota{};
};

// The expected gain (positive) or loss of card points in the current trick if the deciding
// seat plays a given card: who might still take the trick, and whether they are on its side.
class ValorePresa {
public:
    ValorePresa(const SituazioneTattica& situazione, const Coefficienti& coefficienti);

    double Valuta(const Carta& carta, DettaglioPresa* dettaglio = nullptr) const;

    // How far seat j taking the trick is good for the deciding seat: 1 its side, 0 the other.
    double PesoLato(int giocatore) const { return pesoLato[static_cast<std::size_t>(giocatore)]; }

private:
    SituazioneTattica s;
    // The cards of the hand or unseen that beat the card winning on the table.
    std::uint64_t battonoVincente = 0;
    Coefficienti coeff;
    std::array<double, 5> pesoLato{};
    std::array<double, 4> scontoPosizione{};
    double scontoMano = 1.0;
    // The weight of the i-th row with a taker, counted from the top: 1, 1/IR, 1/IR/IR, ...
    std::array<double, 20> pesoOrdine{};
    // False when extreme coefficients make a row weight infinite: then even a zero entry
    // counts (0 x infinity is no number), and only the full table gives the right products.
    bool pesiFiniti = true;
    // The entries of an unseen trump's row by rank: any other seat's, and the caller's when
    // he is not the deciding seat (the deciding seat's own is zero).
    std::array<std::array<double, 2>, 10> vociBriscola{};

    // For each seat, the product over the rows of the table of 1 - entry x row weight: the
    // chance that it takes the trick is one minus that. The table is built, and copied out,
    // only when the detail is asked for.
    std::array<double, 5> ProdottiDaTabella(std::uint64_t battono, int vincitore,
                                            const Carta& vincente, DettaglioPresa* dettaglio) const;
    std::array<double, 5> ProdottiDiretti(std::uint64_t battono, int vincitore,
                                          const Carta& vincente) const;
    void PreparaVociBriscola();
    void MoltiplicaBriscolaIgnota(std::array<double, 5>& prodotto, int valore, double peso) const;

    // Those of the given cards that beat carta.
    std::uint64_t Battenti(const Carta& carta, std::uint64_t tra) const;
};
