#pragma once

#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "carte/Carta.h"

#include "aiuto/AiutoPartita.h"
#include "finestre/DialoghiFinti.h"

class TfrmBriscolaMain;
class TfrmStato;

// The real main window and options dialog, as the program creates them, with an options file
// of the test's own in a temporary folder, the card sets of the build, scripted dialogs, and
// clean process-wide state before and after.
class TavoloDiProva {
public:
    // righeOpzioni: the options file (by default both pauses at 0).
    TavoloDiProva(int tipoGiocatori, std::uint32_t seme,
                  const QString& righeOpzioni = QStringLiteral("AttesaGiocata=0\r\n"
                                                               "AttesaMano=0\r\n"));
    ~TavoloDiProva();

    TfrmBriscolaMain& Finestra() const { return *finestra; }
    DialoghiFinti& Dialoghi() const { return *dialoghi; }
    const QString& FileOpzioni() const { return fileOpzioni; }
    // True once the start timer has run (pictures made, options applied).
    bool Avviato() const;
    // Waits, with the event loop running, until the loop idles for the human's choice or
    // for a new game; false on a time-out.
    bool AttendiInattivo(int millisecondi = 20000) const;

private:
    CartellaTemporanea cartella;
    QString fileOpzioni;
    ConDialoghiFinti dialoghi;
    std::unique_ptr<TfrmBriscolaMain> finestra;
};

// Runs the event loop until condizione holds; false on a time-out. Unlike QTest::qWaitFor it
// never sleeps, so a game stepped by a zero-length timer runs at full speed.
bool AttendiCondizione(const std::function<bool()>& condizione, int millisecondi = 20000);

// The human's seat.
inline constexpr int kUmano = 4;

// The number of the state of the window's game; -1 before the first one.
int NumeroStato(const TfrmBriscolaMain& finestra);
// The cards the human still holds.
std::vector<Carta> ManoUmano();
// A click on the card's picture, as the mouse gives it.
void Clicca(TfrmBriscolaMain& finestra, const Carta& carta);
// The human's decision when the loop waits for one: a bid when none stands (else a pass),
// Cuori as trump, the first card of the hand clicked on the table.
void DecidiComeUmano(TfrmBriscolaMain& finestra);
// Plays as the human until fine holds, starting a game when none is under way.
void GiocaFinche(TavoloDiProva& tavolo, const std::function<bool()>& fine);

// The name the step window's tests give a seat.
QString NomeDi(int giocatore);
// The text of the step window's line edit of that object name; "(manca)" without one.
QString Testo(const TfrmStato& stato, const char* nome);

// Saves what the widget shows as a PNG in the build tree (for people to look at).
void SalvaSchermata(QWidget& widget, const QString& nome);
