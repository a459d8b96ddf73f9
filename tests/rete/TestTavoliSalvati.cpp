#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "TavoloProva.h"
#include "rete/TavoloSalvato.h"

namespace {

OpzioniSala OpzioniInCartella(const QTemporaryDir& cartella) {
    OpzioniSala opzioni = TavoloProva::Opzioni(2024);
    opzioni.cartellaDati = cartella.path();
    return opzioni;
}

} // namespace

TEST(TavoliSalvati, DopoLArrestoIlTavoloTornaAMetaSerieEIGiocatoriRientrano) {
    for (const bool manoAlBuio : {false, true}) {
        SCOPED_TRACE(manoAlBuio ? "al buio" : "scoperta");
        QTemporaryDir cartella;
        ASSERT_TRUE(cartella.isValid());
        // Hints allowed at one of the two tables: the choice comes back with the table.
        const bool suggerimenti = manoAlBuio;
        auto prova = std::make_unique<TavoloProva>(OpzioniInCartella(cartella), manoAlBuio,
                                                   "standard", 0, suggerimenti);
        prova->Comincia();
        prova->GiocaPartite(1);
        prova->anna->Manda({{"tipo", "conferma"}});
        prova->bruno->Manda({{"tipo", "conferma"}});
        // Into the second game's fourth trick, Anna to play.
        GiocaFinche(prova->Clienti(), [&] {
            return prova->Registro().ManiComplete() >= 3 && prova->Tavolo().PostoAtteso() == 0 &&
                   prova->Registro().CarteInTavola() > 0;
        });
        ASSERT_EQ(prova->Tavolo().PostoAtteso(), 0);
        const RegistroPartita registro = prova->Registro();
        const TipoStoriaPartite storia = prova->Storia();
        const QString codice = prova->codice;
        const QString gettoneAnna = prova->anna->gettone;
        const QString gettoneBruno = prova->bruno->gettone;
        prova->sala->Arresta();
        EXPECT_EQ(prova->anna->Ultimo("arresto").value("tipo"), "arresto");
        EXPECT_EQ(prova->posta->congedati.size(), 2u);
        prova.reset();
        EXPECT_TRUE(QFile::exists(QDir(cartella.path()).filePath(codice + ".tavolo")));

        SalaTavoli sala(OpzioniInCartella(cartella));
        ASSERT_EQ(sala.NumeroTavoli(), 1);
        const TavoloRete* tavolo = sala.TavoloDi(codice);
        ASSERT_NE(tavolo, nullptr);
        EXPECT_TRUE(tavolo->Gioco().Stato().storia == storia);
        EXPECT_TRUE(tavolo->Gioco().Stato().registro == registro);

        PostaProva posta(sala);
        ClienteProva anna(sala, posta, 21, codice);
        ClienteProva bruno(sala, posta, 22, codice);
        anna.Ciao();
        bruno.Ciao();
        anna.Manda({{"tipo", "rientra"}, {"posto", 0}, {"gettone", gettoneAnna}});
        bruno.Manda({{"tipo", "rientra"}, {"posto", 2}, {"gettone", gettoneBruno}});
        ASSERT_EQ(anna.Ultimo("seduto").value("posto").toInt(), 0);
        ASSERT_EQ(bruno.Ultimo("seduto").value("posto").toInt(), 2);
        anna.posto = 0;
        bruno.posto = 2;
        // Nothing was played while nobody was there: Anna is still to play.
        EXPECT_TRUE(tavolo->Gioco().Stato().registro == registro);
        const QJsonObject stato = anna.Ultimo("stato");
        EXPECT_EQ(stato.value("serie").toObject().value("partite").toInt(), 1);
        EXPECT_EQ(stato.value("suggerimenti"), QJsonValue(suggerimenti));
        EXPECT_EQ(stato.value("partita").toObject().value("turno").toObject().value("posto"), 0);
        EXPECT_EQ(stato.value("partita").toObject().value("mano").toArray().size(),
                  8 - registro.ManiComplete());
        GiocaFinche({&anna, &bruno}, [&] { return anna.Conta("finepartita") == 1; });
        EXPECT_EQ(anna.Ultimo("serie").value("partite").toInt(), 2);
        EXPECT_EQ(tavolo->Gioco().Stato().registro.NumeroCarteGiocate(), 40);
    }
}

TEST(TavoliSalvati, UnFileIlleggibileVieneMessoDaParteEGliAltriSiAprono) {
    QTemporaryDir cartella;
    ASSERT_TRUE(cartella.isValid());
    QString codice;
    {
        TavoloProva prova(OpzioniInCartella(cartella));
        codice = prova.codice;
        prova.sala->Arresta();
    }
    const QDir dir(cartella.path());
    const QByteArray buono = [&] {
        QFile file(dir.filePath(codice + ".tavolo"));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }();
    // A truncated copy under another code, and bytes that are no table at all.
    const struct {
        const char* nome;
        QByteArray byte;
    } guasti[] = {{"troncato.tavolo", buono.left(buono.size() / 2)},
                  {"rumore.tavolo", QByteArray("\x00\xff{\"versione\":1", 15)},
                  {"altro.tavolo", buono}};
    for (const auto& guasto : guasti) {
        QFile file(dir.filePath(guasto.nome));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(guasto.byte);
    }
    SalaTavoli sala(OpzioniInCartella(cartella));
    EXPECT_EQ(sala.NumeroTavoli(), 1);
    EXPECT_NE(sala.TavoloDi(codice), nullptr);
    for (const auto& guasto : guasti) {
        EXPECT_FALSE(QFile::exists(dir.filePath(guasto.nome)));
        QFile accanto(dir.filePath(QString(guasto.nome) + ".illeggibile"));
        ASSERT_TRUE(accanto.open(QIODevice::ReadOnly)) << guasto.nome;
        EXPECT_EQ(accanto.readAll(), guasto.byte);
    }
}

TEST(TavoliSalvati, IlLettoreRifiutaCiòCheNonÈUnTavolo) {
    TavoloSalvato tavolo;
    tavolo.codice = "abc";
    tavolo.impostazioni.nome = "T";
    tavolo.storia = TipoStoriaPartite().SalvaInByte();
    tavolo.generatore = GeneratoreCasuale(3).Stato();
    const QByteArray buono = ScriviTavoloSalvato(tavolo);
    EXPECT_EQ(LeggiTavoloSalvato(buono).codice, "abc");
    const struct {
        const char* da;
        const char* a;
    } modifiche[] = {{"\"codice\": \"abc\"", "\"codice\": \"a/b\""},
                     {"\"versione\": 1", "\"versione\": 2"},
                     {"\"computer\": \"standard\"", "\"computer\": \"mago\""},
                     {"\"postoCreatore\": -1", "\"postoCreatore\": 5"},
                     {"\"generatore\": \"", "\"generatore\": \"x"},
                     {"\"storia\": \"", "\"storia\": \"AAAA"},
                     {"\"impronta\": \"\"", "\"impronta\": \"zz\""}};
    for (const auto& modifica : modifiche) {
        QByteArray guasto = buono;
        const qsizetype dove = guasto.indexOf(modifica.da);
        ASSERT_GE(dove, 0) << modifica.da;
        guasto.replace(dove, static_cast<qsizetype>(strlen(modifica.da)), modifica.a);
        EXPECT_THROW(LeggiTavoloSalvato(guasto), Errore) << modifica.a;
    }
}
