// The person's series and game kept between two runs of the window.

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <array>
#include <string>

#include "aiuto/AiutoPartita.h"
#include "finestre/ImmagineCarta.h"
#include "finestre/TavoloDiProva.h"
#include "finestre/TfrmBriscolaMain.h"
#include "motori/Semaforo.h"
#include "motori/Tavolo.h"
#include "partita/FileStoria.h"
#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"

namespace {

std::string StoriaScritta() {
    return FileStoria::Scrivi(StoriaPartite());
}

// Plays as the human until the series holds partite games.
void GiocaFinoA(TavoloDiProva& tavolo, int partite) {
    GiocaFinche(tavolo, [partite] { return StoriaPartite().numeroPartite >= partite; });
}

// The program ends when its window closes; the tests' event loop must go on for the next one.
class SenzaUscita {
public:
    SenzaUscita() : esce(QGuiApplication::quitOnLastWindowClosed()) {
        QGuiApplication::setQuitOnLastWindowClosed(false);
    }
    ~SenzaUscita() { QGuiApplication::setQuitOnLastWindowClosed(esce); }
    SenzaUscita(const SenzaUscita&) = delete;
    SenzaUscita& operator=(const SenzaUscita&) = delete;

private:
    bool esce;
};

// Closes the window as the user does, answering Yes to its question.
void Chiudi(TavoloDiProva& tavolo) {
    tavolo.Dialoghi().risposte.push_back(true);
    tavolo.Finestra().close();
    EXPECT_TRUE(AttendiCondizione([&] { return !tavolo.Finestra().isVisible(); }));
}

} // namespace

// A series of two games with the closing in mid-trick of the second: the next window shows the
// same table at the same point, and the rest of the series is what it is without the restart.
TEST(SerieConservata, RipresaAMetaPresaUgualeAllaSerieSenzaInterruzione) {
    const SenzaUscita senzaUscita;
    constexpr std::uint32_t kSeme = 23;
    constexpr int kPartite = 2;
    std::string attesa;
    {
        TavoloDiProva tavolo(0, kSeme);
        GiocaFinoA(tavolo, kPartite);
        ASSERT_FALSE(HasFatalFailure());
        attesa = StoriaScritta();
    }
    CartellaTemporanea cartella;
    const QString file = QString::fromStdString(cartella.File("SerieInCorso.txt"));
    RegistroPartita aMeta;
    std::string storiaAMeta;
    std::array<QPoint, 2> postiInTavola;
    {
        TavoloDiProva tavolo(0, kSeme);
        tavolo.Finestra().ImpostaFileConservato(file);
        // Checked with the loop idle, so that nothing moves on after it holds.
        GiocaFinche(tavolo, [&tavolo] {
            return tavolo.AttendiInattivo() && StoriaPartite().numeroPartite == 1 &&
                   Registro().CarteInTavola() >= 2 && Registro().NumeroCarteGiocate() > 20;
        });
        ASSERT_EQ(StoriaPartite().numeroPartite, 1);
        ASSERT_FALSE(HasFatalFailure());
        aMeta = Registro();
        storiaAMeta = StoriaScritta();
        for (int i = 0; i < 2; ++i) {
            postiInTavola[static_cast<std::size_t>(i)] =
                tavolo.Finestra().Immagine(aMeta.CartaInTavola(i).Indice())->pos();
        }
        Chiudi(tavolo);
        ASSERT_FALSE(HasFatalFailure());
    }
    ASSERT_TRUE(QFileInfo::exists(file));

    // Another seed: whatever follows comes from what was kept.
    TavoloDiProva tavolo(0, 4242);
    tavolo.Finestra().ImpostaFileConservato(file);
    // The game played again lays out the hand with the event loop turning, before the loop
    // starts: the first wait may end there.
    tavolo.AttendiInattivo();
    const bool inattivo = tavolo.AttendiInattivo();
    for (const auto& box : tavolo.Dialoghi().mostrati) {
        ADD_FAILURE() << box.testo.toStdString();
    }
    ASSERT_TRUE(inattivo);
    EXPECT_EQ(Registro(), aMeta);
    EXPECT_EQ(StoriaScritta(), storiaAMeta);
    for (int i = 0; i < 2; ++i) {
        const ImmagineCarta* carta = tavolo.Finestra().Immagine(aMeta.CartaInTavola(i).Indice());
        EXPECT_TRUE(carta->isVisible());
        EXPECT_EQ(carta->pos(), postiInTavola[static_cast<std::size_t>(i)]);
    }
    for (const Carta& c : ManoUmano()) {
        EXPECT_TRUE(tavolo.Finestra().Immagine(c.Indice())->isVisible());
    }
    GiocaFinoA(tavolo, kPartite);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(StoriaScritta(), attesa);
}

// A kept file that cannot be read: one message, a fresh series, and the file put aside
// (never over one put aside before) before the next one is written.
TEST(SerieConservata, FileIllegibileMessoDaParte) {
    const SenzaUscita senzaUscita;
    CartellaTemporanea cartella;
    const QString file = QString::fromStdString(cartella.File("SerieInCorso.txt"));
    const QByteArray rotto = "Pentaludo serie in corso 1\nstoria 9999\n";
    for (const QString& nome : {file, file + QStringLiteral(".illeggibile")}) {
        QFile scritto(nome);
        ASSERT_TRUE(scritto.open(QIODevice::WriteOnly));
        scritto.write(rotto);
    }
    TavoloDiProva tavolo(0, 5);
    tavolo.Finestra().ImpostaFileConservato(file);
    ASSERT_TRUE(tavolo.AttendiInattivo());
    ASSERT_EQ(tavolo.Dialoghi().mostrati.size(), 1U);
    EXPECT_TRUE(tavolo.Dialoghi().mostrati[0].testo.contains(QStringLiteral("non si può leggere")));
    EXPECT_FALSE(QFileInfo::exists(file));
    QFile daParte(file + QStringLiteral(".illeggibile-2"));
    ASSERT_TRUE(daParte.open(QIODevice::ReadOnly));
    EXPECT_EQ(daParte.readAll(), rotto);
    EXPECT_EQ(StoriaPartite().numeroPartite, 0);
    EXPECT_FALSE(tavolo.Finestra().SemaforoGioco().InCorso());

    GiocaFinoA(tavolo, 1);
    ASSERT_FALSE(HasFatalFailure());
    Chiudi(tavolo);
    ASSERT_FALSE(HasFatalFailure());
    int illeggibili = 0;
    for (const auto& box : tavolo.Dialoghi().mostrati) {
        illeggibili += box.testo.contains(QStringLiteral("non si può leggere")) ? 1 : 0;
    }
    EXPECT_EQ(illeggibili, 1);
    QFile nuovo(file);
    ASSERT_TRUE(nuovo.open(QIODevice::ReadOnly));
    EXPECT_TRUE(nuovo.readAll().startsWith("Pentaludo serie in corso 1\n"));
}
