#pragma once

#include <QDialog>
#include <QString>

#include "rete/Protocollo.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The table this person last sat at, to come back to: kept in the platform's data folder.
struct TavoloRicordato {
    QString server;
    QString codice;
    int posto = -1;
    QString gettone;
    // The table was hosted by this machine: coming back hosts it again first.
    bool ospitato = false;
    bool Valido() const { return !server.isEmpty() && !codice.isEmpty() && posto >= 0; }
};
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
};

// "Partita → Gioca in rete…": host a table on this machine, join one by its address and code
// (or its link pasted whole), or come back to the last one.
class FinestraGiocaInRete final : public QDialog {
    Q_OBJECT
public:
    FinestraGiocaInRete(const QString& nomeTavolo, const TavoloRicordato& ricordato,
                        QWidget* padre = nullptr);

    SceltaRete Scelta() const;

    QLineEdit* CampoNomeTavolo() const { return nomeTavolo; }
    QCheckBox* CampoManoAlBuio() const { return manoAlBuio; }
    QComboBox* CampoComputer() const { return computer; }
    QSpinBox* CampoTempoTurno() const { return tempoTurno; }
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
    QLineEdit* server;
    QLineEdit* codice;
    QPushButton* ospita;
    QPushButton* unisciti;
    QPushButton* rientra;

    void Scegli(SceltaRete::Modo scelto);
};
