#include "finestre/TfrmOpzioni.h"

#include "aiuto/AiutoPartita.h"
#include "comune/Testo.h"
#include "finestre/Dialoghi.h"
#include "finestre/FileOpzioni.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <deque>
#include <filesystem>
#include <memory>
#include <set>

namespace fs = std::filesystem;

namespace {

// Colour and file dialogs that answer from a queue and remember what they were opened with.
class DialoghiRegistrati final : public Dialoghi {
public:
    std::deque<std::optional<QColor>> colori;
    std::deque<QString> file;
    std::vector<QColor> coloriIniziali;
    std::vector<QStringList> fileChiesti;

    bool Domanda(QWidget*, const QString&, const QString&) override { return false; }
    void Messaggio(QWidget*, const QString&, const QString&, Icona) override {}
    std::optional<QColor> ScegliColore(QWidget*, const QColor& iniziale) override {
        coloriIniziali.push_back(iniziale);
        return Prossima(colori);
    }
    QString ApriFile(QWidget*, const QString& titolo, const QString& cartella,
                     const QString& filtro) override {
        fileChiesti.push_back({titolo, cartella, filtro});
        return Prossima(file);
    }
    QString SalvaFile(QWidget*, const QString&, const QString&, const QString&,
                      const QString&) override {
        return {};
    }
    int Esegui(QDialog&) override { return 0; }

private:
    template <typename T>
    static T Prossima(std::deque<T>& coda) {
        T primo = coda.empty() ? T() : coda.front();
        if (!coda.empty()) {
            coda.pop_front();
        }
        return primo;
    }
};

QString Q(const fs::path& percorso) {
    return QString::fromStdString(percorso.string());
}

class Opzioni : public ::testing::Test {
protected:
    void SetUp() override {
        AzzeraStatoGlobale();
        auto nuovi = std::make_unique<DialoghiRegistrati>();
        dialoghi = nuovi.get();
        ImpostaDialoghi(std::move(nuovi));
        fs::create_directories(cartella / "Carte" / "Milanesi");
        fs::create_directories(cartella / "Carte" / "Napoletane");
        ScriviByte(cartella.File("Carte/leggimi.txt"), "x");
        fs::create_directories(cartella / "Sfondi");
        for (const char* nome : {"prato.bmp", "MARE.BMP", "note.txt"}) {
            ScriviByte(cartella.File(std::string("Sfondi/") + nome), "BM");
        }
    }
    void TearDown() override {
        ImpostaDialoghi(nullptr);
        AzzeraStatoGlobale();
    }

    std::unique_ptr<TfrmOpzioni> Apri(const std::string& fileIni = "BriscolaChiamata.ini") {
        return std::make_unique<TfrmOpzioni>(Q(cartella / fileIni), Q(cartella / "Carte"),
                                             Q(cartella / "Sfondi"));
    }
    std::string Ini() { return LeggiFile(cartella.File("BriscolaChiamata.ini")).value_or("?"); }

    CartellaTemporanea cartella;
    DialoghiRegistrati* dialoghi = nullptr;
};

QStringList Voci(const QListWidget* lista) {
    QStringList voci;
    for (int i = 0; i < lista->count(); ++i) {
        voci << lista->item(i)->text();
    }
    return voci;
}

} // namespace

TEST_F(Opzioni, SenzaFileLePredefiniteEPoiIlFileIntero) {
    auto opzioni = Apri();
    const QStringList nomi = {"Mario", "Luigi", "Paolo", "Franco", "Giovanni", "", ""};
    for (int i = -1; i <= 5; ++i) {
        EXPECT_EQ(opzioni->NomeGiocatore(i), nomi[(i + 7) % 7]) << i;
    }
    EXPECT_EQ(opzioni->PuntiMonte(), 2);
    EXPECT_EQ(opzioni->AttesaGiocata(), 500);
    EXPECT_EQ(opzioni->AttesaMano(), 2500);
    EXPECT_TRUE(opzioni->ManoAlBuio());
    EXPECT_TRUE(opzioni->CarteOrdinate());
    EXPECT_EQ(opzioni->ColoreSfondo(), QColor(Qt::white));
    EXPECT_EQ(opzioni->ColoreTesto(), QColor(Qt::black));
    EXPECT_EQ(opzioni->ImmagineSfondo(), "");
    EXPECT_EQ(opzioni->DirectoryCarte(), Q(cartella / "Carte" / "Milanesi"));
    EXPECT_FALSE(fs::exists(cartella / "BriscolaChiamata.ini"));
    ASSERT_TRUE(opzioni->Salva());
    EXPECT_EQ(Ini(), ScriviOpzioni(ValoriOpzioni()));
}

// Neither OK, nor closing, nor the dialog's end writes the file: only Salva does.
TEST_F(Opzioni, SoloSalvaScriveIlFile) {
    const std::string prima = "Nome1=Anna\r\nEsperti=0\r\n";
    ScriviByte(cartella.File("BriscolaChiamata.ini"), prima);
    {
        auto opzioni = Apri();
        opzioni->show();
        opzioni->txtNome1->setText("Bice");
        opzioni->chkEsperti->setChecked(true);
        opzioni->cmdOK->click();
        EXPECT_EQ(opzioni->result(), QDialog::Accepted);
        EXPECT_EQ(Ini(), prima);
        opzioni->show();
        QTest::keyClick(opzioni.get(), Qt::Key_Escape);
        EXPECT_FALSE(opzioni->isVisible());
        EXPECT_EQ(Ini(), prima);
    }
    EXPECT_EQ(Ini(), prima);

    auto opzioni = Apri();
    EXPECT_EQ(opzioni->NomeGiocatore(0), "Anna");
    opzioni->chkEsperti->setChecked(true);
    ASSERT_TRUE(opzioni->Salva());
    const ValoriOpzioni scritti = LeggiOpzioni(Ini());
    EXPECT_EQ(scritti.nomi[0], "Anna");
    EXPECT_TRUE(scritti.esperti);
}

TEST_F(Opzioni, IlFileEntraNeiControlliEneEsceUguale) {
    ScriviByte(
        cartella.File("BriscolaChiamata.ini"),
        "Nome5=Niccol\xF2\nColoreSfondo=255\nColoreTesto=16711680\nImmagineSfondo=prato.bmp\n"
        "DirectoryCarte=[Napoletane]\nPuntiMonte=30\nAttesaGiocata=abc\n"
        "AttesaMano=10000\nManoAlBuio=\nCarteOrdinate=0\nColoreTesto=0\n");
    auto opzioni = Apri();
    EXPECT_EQ(opzioni->NomeGiocatore(4), QString::fromUtf8("Niccol\xC3\xB2"));
    EXPECT_EQ(opzioni->ColoreSfondo(), QColor(255, 0, 0));
    EXPECT_EQ(opzioni->ColoreTesto(), QColor(0, 0, 255));
    EXPECT_EQ(opzioni->ImmagineSfondo(), Q(cartella / "Sfondi" / "prato.bmp"));
    EXPECT_EQ(opzioni->DirectoryCarte(), Q(cartella / "Carte" / "Napoletane"));
    EXPECT_EQ(opzioni->PuntiMonte(), 20);
    EXPECT_EQ(opzioni->txtAttesa1->text(), "500 ms");
    EXPECT_EQ(opzioni->txtAttesa2->text(), "10000 ms");
    EXPECT_TRUE(opzioni->ManoAlBuio());
    EXPECT_FALSE(opzioni->CarteOrdinate());
    ASSERT_TRUE(opzioni->Salva());
    EXPECT_EQ(Ini(), "Nome1=Mario\r\nNome2=Luigi\r\nNome3=Paolo\r\nNome4=Franco\r\n"
                     "Nome5=Niccol\xC3\xB2\r\nColoreSfondo=255\r\nColoreTesto=16711680\r\n"
                     "ImmagineSfondo=prato.bmp\r\nDirectoryCarte=Napoletane\r\nPuntiMonte=20\r\n"
                     "AttesaGiocata=500\r\nAttesaMano=10000\r\nManoAlBuio=1\r\n"
                     "CarteOrdinate=0\r\n");
}

TEST_F(Opzioni, PercorsoDelloSfondo) {
    auto opzioni = Apri();
    const std::vector<std::pair<QString, QString>> casi = {
        {"", ""},
        {"prato.bmp", Q(cartella / "Sfondi" / "prato.bmp")},
        {"/srv/immagini/mare.bmp", "/srv/immagini/mare.bmp"},
        {"altri/mare.bmp", "altri/mare.bmp"},
    };
    for (const auto& [testo, percorso] : casi) {
        opzioni->txtBitmap->setText(testo);
        EXPECT_EQ(opzioni->ImmagineSfondo(), percorso) << testo.toStdString();
    }
}

TEST_F(Opzioni, SceltaDelloSfondo) {
    auto opzioni = Apri();
    EXPECT_EQ(Voci(opzioni->lstSfondi), QStringList({"MARE.BMP", "prato.bmp"}));
    opzioni->lstSfondi->setCurrentRow(1);
    EXPECT_EQ(opzioni->txtBitmap->text(), "prato.bmp");

    dialoghi->file = {"/srv/mare.bmp", ""};
    opzioni->Button1->click();
    EXPECT_EQ(opzioni->ImmagineSfondo(), "/srv/mare.bmp");
    opzioni->Button1->click();
    EXPECT_EQ(opzioni->ImmagineSfondo(), "/srv/mare.bmp");
    ASSERT_EQ(dialoghi->fileChiesti.size(), 2u);
    EXPECT_EQ(dialoghi->fileChiesti[0],
              QStringList({"Imposta Sfondo", Q(cartella / "Sfondi"), "Immagine Bitmap (*.bmp)"}));
}

TEST_F(Opzioni, CartelleMancantiListeVuote) {
    TfrmOpzioni opzioni(Q(cartella / "BriscolaChiamata.ini"), Q(cartella / "Nessuna"),
                        Q(cartella / "Niente"));
    EXPECT_EQ(opzioni.lstCarte->count(), 0);
    EXPECT_EQ(opzioni.lstSfondi->count(), 0);
}

TEST_F(Opzioni, RegoleDellaCartellaDelleCarte) {
    auto opzioni = Apri();
    const std::vector<std::pair<QString, QString>> casi = {
        {".", ""},
        {"..", ""},
        {"[Milanesi]", "Milanesi"},
        {"[..]", ""},
        {"[[Sarde]]", "Sarde"},
        {"[", ""},
        {"Napoletane", "Napoletane"},
    };
    for (const auto& [scritto, atteso] : casi) {
        opzioni->txtDirectory->setText(scritto);
        EXPECT_EQ(opzioni->txtDirectory->text(), atteso) << scritto.toStdString();
    }
}

TEST_F(Opzioni, SceltaDelleCarteEConferma) {
    auto opzioni = Apri();
    EXPECT_EQ(Voci(opzioni->lstCarte), QStringList({".", "..", "[Milanesi]", "[Napoletane]"}));

    opzioni->lstCarte->setCurrentRow(1);
    EXPECT_EQ(opzioni->txtDirectory->text(), "");
    opzioni->cmdOK->click();
    EXPECT_EQ(opzioni->txtDirectory->text(), "Milanesi");
    EXPECT_EQ(opzioni->result(), QDialog::Accepted);

    opzioni->lstCarte->setCurrentRow(3);
    EXPECT_EQ(opzioni->DirectoryCarte(), Q(cartella / "Carte" / "Napoletane"));
    opzioni->cmdOK->click();
    opzioni->lstCarte->setCurrentRow(0);
    opzioni->cmdOK->click();
    EXPECT_EQ(opzioni->txtDirectory->text(), "Napoletane");
}

TEST_F(Opzioni, ColoriDaiCampioni) {
    auto opzioni = Apri();
    dialoghi->colori = {QColor(10, 20, 30), std::nullopt, QColor(200, 100, 50)};
    QTest::mouseClick(opzioni->ShapeSfondo, Qt::LeftButton);
    QTest::mouseClick(opzioni->ShapeTesto, Qt::LeftButton);
    EXPECT_EQ(opzioni->ColoreSfondo(), QColor(10, 20, 30));
    EXPECT_EQ(opzioni->ColoreTesto(), QColor(Qt::black));
    QTest::mouseClick(opzioni->ShapeTesto, Qt::LeftButton);
    EXPECT_EQ(opzioni->ColoreTesto(), QColor(200, 100, 50));
    // Each opening starts from the colour last chosen, not from the swatch's.
    EXPECT_EQ(dialoghi->coloriIniziali,
              std::vector<QColor>({Qt::black, QColor(10, 20, 30), QColor(10, 20, 30)}));
    ASSERT_TRUE(opzioni->Salva());
    const ValoriOpzioni scritti = LeggiOpzioni(Ini());
    EXPECT_EQ(scritti.coloreSfondo, 0x1E140Au);
    EXPECT_EQ(scritti.coloreTesto, 0x3264C8u);
}

TEST_F(Opzioni, NomiAutomaticiMaiRipetuti) {
    auto opzioni = Apri();
    std::set<QString> visti;
    for (int prova = 0; prova < 500; ++prova) {
        const int riga = prova % 5 + 1;
        const QString prima = opzioni->NomeGiocatore(riga - 1);
        opzioni->CreaNomeAutomaticamente(riga);
        const QString nuovo = opzioni->NomeGiocatore(riga - 1);
        ASSERT_NE(nuovo, prima);
        visti.insert(nuovo);
        std::set<QString> nomi;
        for (int i = 0; i < 5; ++i) {
            nomi.insert(opzioni->NomeGiocatore(i));
        }
        ASSERT_EQ(nomi.size(), 5u) << "ripetuto " << nuovo.toStdString();
    }
    std::set<QString> lista;
    for (std::string_view nome : kNomiAutomatici) {
        lista.insert(QString::fromUtf8(nome.data(), static_cast<qsizetype>(nome.size())));
    }
    EXPECT_EQ(visti, lista);
    opzioni->cmdN2->click();
    EXPECT_NE(opzioni->NomeGiocatore(1), "");
}

TEST_F(Opzioni, GliUpDownNonSeguonoLeFrecce) {
    auto opzioni = Apri();
    struct Caso {
        QSpinBox* upDown;
        int massimo;
        int passo;
    };
    for (const Caso& caso :
         {Caso{opzioni->UpDownPuntiMonte, 20, 1}, Caso{opzioni->UpDownAttesa1, 2000, 100},
          Caso{opzioni->UpDownAttesa2, 10000, 100}}) {
        const int prima = caso.upDown->value();
        QTest::keyClick(caso.upDown, Qt::Key_Up);
        QTest::keyClick(caso.upDown, Qt::Key_PageDown);
        EXPECT_EQ(caso.upDown->value(), prima);
        caso.upDown->stepUp();
        EXPECT_EQ(caso.upDown->value(), prima + caso.passo);
        caso.upDown->setValue(caso.massimo);
        caso.upDown->stepUp();
        EXPECT_EQ(caso.upDown->value(), caso.massimo);
    }
}

// A save that cannot be written says so and leaves what was there whole.
TEST_F(Opzioni, SalvataggioFallito) {
    fs::create_directories(cartella / "BriscolaChiamata.ini" / "dentro");
    auto opzioni = Apri();
    EXPECT_FALSE(opzioni->Salva());
    opzioni.reset();
    EXPECT_TRUE(fs::is_directory(cartella / "BriscolaChiamata.ini" / "dentro"));

    // No room for the temporary file's longer name beside it.
    const std::string lungo = std::string(250, 'o') + ".ini";
    ScriviByte(cartella.File(lungo), "Nome1=Anna\r\n");
    auto altre = Apri(lungo);
    altre->txtNome1->setText("Bice");
    EXPECT_FALSE(altre->Salva());
    altre.reset();
    EXPECT_EQ(LeggiFile(cartella.File(lungo)), "Nome1=Anna\r\n");

    auto buone = Apri("nuova/BriscolaChiamata.ini");
    EXPECT_TRUE(buone->Salva());
    EXPECT_EQ(LeggiFile(cartella.File("nuova/BriscolaChiamata.ini")),
              ScriviOpzioni(ValoriOpzioni()));
}

TEST_F(Opzioni, FotografiaDellePagine) {
    auto opzioni = Apri();
    opzioni->txtBitmap->setText("prato.bmp");
    opzioni->show();
    EXPECT_EQ(opzioni->size(), QSize(341, 223));
    EXPECT_EQ(opzioni->windowTitle(), "Opzioni");
    EXPECT_FALSE(opzioni->windowFlags() & Qt::WindowCloseButtonHint);
    const QStringList pagine = {"Opzioni", "Nomi Giocatori", "Colori e Sfondo", "Carte"};
    ASSERT_EQ(opzioni->PageOpzioni->count(), pagine.size());
    for (int i = 0; i < pagine.size(); ++i) {
        EXPECT_EQ(opzioni->PageOpzioni->tabText(i), pagine[i]);
        opzioni->PageOpzioni->setCurrentIndex(i);
        const QString file = QStringLiteral(PENTALUDO_BUILD "/opzioni-%1.png").arg(i + 1);
        EXPECT_TRUE(opzioni->grab().save(file)) << file.toStdString();
    }
}
