#pragma once

#include <memory>
#include <optional>
#include <string>

#include "ia/GiocaCarta.h"
#include "ia/SituazioneMano.h"
#include "ia/VocabolarioPredicati.h"

class IntelligenzaArtificialeDEBUG;
class RegoleLette;

// The standard computer player's card choice: every card of the hand is judged by the 45
// predicates and the weighted rules of a rules file; the best score is played.
class GiocaCartaRegoleNuovo : public GiocaCartaACaso {
public:
    // Reads the rules at once; raises when the file cannot be found or holds an error.
    GiocaCartaRegoleNuovo(int giocatore, const std::string& nomeFile, double rumore);
    // The rules of a file already read: the same player, without the file.
    GiocaCartaRegoleNuovo(int giocatore, const RegoleLette& regole, double rumore);
    ~GiocaCartaRegoleNuovo() override;

    Carta ScegliCartaDa(const RegistroPartita& registro) override;
    std::string Nome() const override { return "Migliore " + nomeFile; }
    // The rules' noise is drawn from the table's generator too.
    void Siedi(StatoTavolo& tavolo) override;

    virtual void ImpostaPredicati(const Carta& carta);
    virtual double ValutaCarta(const Carta& carta);
    // The score of the rules when exactly these predicates hold: what ValutaCarta gives for a
    // card whose predicates they are.
    double ValutaPredicati(MascheraPredicati vere);

private:
    double rumore;
    std::string nomeFile;
    std::unique_ptr<IntelligenzaArtificialeDEBUG> ia;
    VocabolarioPredicati vocabolario;
    // The record read once for the decision under way; empty outside ScegliCarta.
    std::optional<SituazioneMano> situazione;
};
