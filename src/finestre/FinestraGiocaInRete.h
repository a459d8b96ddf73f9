#pragma once

#include <QDialog>
#include <QString>

#include "rete/Protocollo.h"
#include "rete/TavoloRicordato.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

// Where the window remembers the table this person last sat at: the platform's data folder.
QString FileTavoloRicordato();
// An unreadable or missing file is no table.
TavoloRicordato LeggiTavoloRicordato(const QString& percorso);
// False when it could not be written.
bool RicordaTavolo(const QString& percorso, const TavoloRicordato& tavolo);

// What the person chose in "Gioca in rete…".
struct SceltaRete {
    enum class Modo { Ospita, Unisciti, Rientra };
    Modo modo = Modo::Ospita;
    ImpostazioniTavolo impostazioni;
    QString server;
    QString codice;
    // Hosting with TLS: the certificate and private key files (PEM); both empty for none.
    QString certificato;
    QString chiave;
};

// "Partita → Gioca in rete…": host a table on this machine, join one by its address and code
// (or its link pasted whole), or come back to the last one.
class FinestraGiocaInRete final : public QDialog {
    Q_OBJECT
public:
    FinestraGiocaInRete(const QString& nomeTavolo, const TavoloRicordato& ricordato,
                        QWidget* padre = nullptr);

    SceltaRete Scelta() const;
    // The TLS files shown for hosting, as last chosen.
    void ImpostaFileTls(const QString& certificato, const QString& chiave);

    QLineEdit* CampoNomeTavolo() const { return nomeTavolo; }
    QCheckBox* CampoManoAlBuio() const { return manoAlBuio; }
    QComboBox* CampoComputer() const { return computer; }
    QSpinBox* CampoTempoTurno() const { return tempoTurno; }
    QLineEdit* CampoCertificato() const { return certificato; }
    QLineEdit* CampoChiave() const { return chiave; }
    QLineEdit* CampoServer() const { return server; }
    QLineEdit* CampoCodice() const { return codice; }
    QPushButton* PulsanteOspita() const { return ospita; }
    QPushButton* PulsanteUnisciti() const { return unisciti; }
    QPushButton* PulsanteRientra() const { return rientra; }

private:
    SceltaRete::Modo modo = SceltaRete::Modo::Ospita;
    QLineEdit* nomeTavolo;
    QCheckBox* manoAlBuio;
    QComboBox* computer;
    QSpinBox* tempoTurno;
    QLineEdit* certificato;
    QLineEdit* chiave;
    QLineEdit* server;
    QLineEdit* codice;
    QPushButton* ospita;
    QPushButton* unisciti;
    QPushButton* rientra;

    void Scegli(SceltaRete::Modo scelto);
    // A file field with its button that opens the file chooser.
    QWidget* CampoFile(QLineEdit* campo, const QString& titolo);
};
