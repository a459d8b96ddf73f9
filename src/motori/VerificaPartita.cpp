#include "motori/VerificaPartita.h"

#include <array>

namespace {

class Verifica {
public:
    Verifica(const RegistroPartita& registro, const TipoStoriaPartite& storia, int numero)
        : registro(registro), storia(storia), numero(numero) {}

    std::vector<std::string> Esegui() {
        if (registro.NumeroCarteGiocate() != 40) {
            Segnala("carte giocate: " + std::to_string(registro.NumeroCarteGiocate()) +
                    " invece di 40");
            return errori;
        }
        if (!RuoliValidi()) {
            return errori;
        }
        VerificaPrese();
        VerificaPunteggi();
        return errori;
    }

private:
    const RegistroPartita& registro;
    const TipoStoriaPartite& storia;
    int numero;
    std::vector<std::string> errori;

    void Segnala(const std::string& testo) { errori.push_back(testo); }

    bool RuoliValidi() {
        const int chiamante = registro.chiamante;
        const Chiamata& chiamata = registro.chiamata;
        bool validi = true;
        if (chiamante < 0 || chiamante > 4) {
            Segnala("chiamante non valido: " + std::to_string(chiamante));
            validi = false;
        }
        if (chiamata.Valore < 0 || chiamata.Valore > 9 || chiamata.Punti < 60 ||
            chiamata.Punti > 120) {
            Segnala("chiamata non valida: valore " + std::to_string(chiamata.Valore) + ", punti " +
                    std::to_string(chiamata.Punti));
            validi = false;
        }
        if (!registro.briscola.Nominata()) {
            Segnala("briscola non nominata: " + std::to_string(registro.briscola.SemeGrezzo()));
            validi = false;
        }
        return validi;
    }

    void VerificaPrese() {
        int primo = numero % 5;
        for (int mano = 0; mano < 8; ++mano) {
            Carta migliore;
            int vincitore = -1;
            for (int posizione = 0; posizione < 5; ++posizione) {
                int giocatore = -1;
                Carta carta;
                registro.CartaGiocata(mano, posizione, giocatore, carta);
                const int atteso = (primo + posizione) % 5;
                if (!carta.Definita() || giocatore != atteso ||
                    registro.Distribuzione(carta.Indice()) != atteso) {
                    Segnala("mano " + std::to_string(mano + 1) + ", carta " +
                            std::to_string(posizione + 1) + ": giocata da " +
                            std::to_string(giocatore) + " invece che da " + std::to_string(atteso));
                    return;
                }
                if (posizione == 0 ||
                    RegistroPartita::Confronta(migliore, carta, registro.briscola) > 0) {
                    migliore = carta;
                    vincitore = giocatore;
                }
            }
            for (int posizione = 0; posizione < 5; ++posizione) {
                const Carta carta = registro.CartaGiocata(mano * 5 + posizione);
                if (registro.Possessore(carta.Indice()) != vincitore) {
                    Segnala("mano " + std::to_string(mano + 1) + " presa da " +
                            std::to_string(registro.Possessore(carta.Indice())) +
                            " invece che da " + std::to_string(vincitore));
                    return;
                }
            }
            primo = vincitore;
        }
    }

    void VerificaPunteggi() {
        std::array<int, 5> punti{};
        int totale = 0;
        for (int c = 0; c < 40; ++c) {
            const int possessore = registro.Possessore(c);
            if (possessore < 0 || possessore > 4) {
                Segnala("carta " + std::to_string(c) + " senza possessore");
                return;
            }
            const int p = Carta::DaIndice(c).Punti();
            punti[static_cast<std::size_t>(possessore)] += p;
            totale += p;
        }
        if (totale != 120) {
            Segnala("punti in tutto: " + std::to_string(totale) + " invece di 120");
        }
        const int chiamante = registro.chiamante;
        const Carta chiamata(registro.chiamata.Valore, registro.briscola.SemeGrezzo());
        const int socio = registro.Distribuzione(chiamata.Indice());
        int puntiChiamante = punti[static_cast<std::size_t>(chiamante)];
        if (socio != chiamante) {
            puntiChiamante += punti[static_cast<std::size_t>(socio)];
        }
        int moltiplicatore = 1;
        if (registro.chiamata.Punti >= 70) {
            moltiplicatore = 2;
        }
        if (registro.chiamata.Punti >= 80) {
            ++moltiplicatore;
        }
        if (puntiChiamante == 120) {
            ++moltiplicatore;
        }
        if (puntiChiamante < registro.chiamata.Punti) {
            moltiplicatore = -moltiplicatore;
        }
        if (storia.Chiamante(numero) != chiamante || storia.Socio(numero) != socio) {
            Segnala("ruoli nella storia: chiamante " + std::to_string(storia.Chiamante(numero)) +
                    ", socio " + std::to_string(storia.Socio(numero)) + " invece di " +
                    std::to_string(chiamante) + ", " + std::to_string(socio));
        }
        int somma = 0;
        for (int s = 0; s < 5; ++s) {
            int base = -1;
            if (s == chiamante) {
                base += 3;
            }
            if (s == socio) {
                base += 2;
            }
            const int punteggio = storia.Punteggio(numero, s);
            somma += punteggio;
            if (punteggio != base * moltiplicatore) {
                Segnala("punteggio del giocatore " + std::to_string(s) + ": " +
                        std::to_string(punteggio) + " invece di " +
                        std::to_string(base * moltiplicatore));
            }
        }
        if (somma != 0) {
            Segnala("somma dei punteggi: " + std::to_string(somma) + " invece di 0");
        }
    }
};

} // namespace

std::vector<std::string> VerificaPartita(const RegistroPartita& registro,
                                         const TipoStoriaPartite& storia, int numero) {
    return Verifica(registro, storia, numero).Esegui();
}
