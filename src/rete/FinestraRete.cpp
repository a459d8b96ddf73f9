#include "rete/FinestraRete.h"

#include <QJsonArray>

#include "partita/StatoTavolo.h"
#include "rete/Protocollo.h"
#include "rete/VistaPosto.h"

FinestraRete::FinestraRete(Consegna consegna) : consegna(std::move(consegna)) {}

void FinestraRete::ATutti(const QJsonObject& messaggio) {
    for (int posto = -1; posto < 5; ++posto) {
        consegna(posto, messaggio);
    }
}

void FinestraRete::AnnunciaSocio() {
    const int socio = SocioVisibile(stato->registro);
    if (socio >= 0 && socioAnnunciato < 0) {
        socioAnnunciato = socio;
        ATutti(
            {{QStringLiteral("tipo"), QStringLiteral("socio")}, {QStringLiteral("posto"), socio}});
    }
}

void FinestraRete::NotificaDistribuzione(const ManiDistribuite* mani, int /*giocatoreUmano*/) {
    decisioni.clear();
    socioAnnunciato = -1;
    const RegistroPartita& registro = stato->registro;
    for (int posto = -1; posto < 5; ++posto) {
        QJsonArray mano;
        if (mani != nullptr && posto >= 0) {
            for (const Carta& carta : (*mani)[static_cast<std::size_t>(posto)]) {
                if (carta.Definita()) {
                    mano.append(CodiceCartaRete(carta));
                }
            }
        }
        consegna(posto, {{QStringLiteral("tipo"), QStringLiteral("inizio")},
                         {QStringLiteral("partita"), stato->storia.numeroPartite},
                         {QStringLiteral("mano"), mano},
                         {QStringLiteral("primo"), int{registro.turno}}});
    }
}

void FinestraRete::NotificaChiamata(const Chiamata& chiamata, int giocatore) {
    DecisionePresa presa;
    presa.tipo = DecisionePresa::Tipo::Chiamata;
    presa.posto = giocatore;
    presa.chiamata = chiamata;
    decisioni.push_back(presa);
    ATutti({{QStringLiteral("tipo"), QStringLiteral("chiamata")},
            {QStringLiteral("posto"), giocatore},
            {QStringLiteral("chiamata"), CodiceChiamata(chiamata)}});
}

void FinestraRete::NotificaFineLicitazione() {
    const RegistroPartita& registro = stato->registro;
    ATutti({{QStringLiteral("tipo"), QStringLiteral("finelicitazione")},
            {QStringLiteral("chiamante"), int{registro.chiamante}},
            {QStringLiteral("chiamata"), CodiceChiamata(registro.chiamata)}});
}

void FinestraRete::NotificaBriscola(const Briscola& briscola) {
    const RegistroPartita& registro = stato->registro;
    DecisionePresa presa;
    presa.tipo = DecisionePresa::Tipo::Briscola;
    presa.posto = registro.chiamante;
    presa.seme = briscola.SemeGrezzo();
    decisioni.push_back(presa);
    const Carta chiamata(registro.chiamata.ValoreVerificato(), briscola.Seme());
    ATutti({{QStringLiteral("tipo"), QStringLiteral("briscola")},
            {QStringLiteral("seme"), QString::fromLatin1("CQFP").mid(briscola.Seme(), 1)},
            {QStringLiteral("cartaChiamata"), CodiceCartaRete(chiamata)}});
}

void FinestraRete::NotificaCartaGiocata(const Carta& carta, int giocatore) {
    if (!carta.Definita()) {
        return;
    }
    DecisionePresa presa;
    presa.tipo = DecisionePresa::Tipo::Carta;
    presa.posto = giocatore;
    presa.carta = carta;
    decisioni.push_back(presa);
    for (int posto = -1; posto < 5; ++posto) {
        QJsonObject messaggio = VistaCartaGiocata(carta, carta.Coperta != 0, giocatore, posto);
        messaggio.insert(QStringLiteral("tipo"), QStringLiteral("carta"));
        consegna(posto, messaggio);
    }
    AnnunciaSocio();
}

void FinestraRete::NotificaManoRaccolta(int vincitore) {
    const RegistroPartita& registro = stato->registro;
    QJsonArray carte;
    for (int n = registro.ManiComplete() * 5; n < registro.NumeroCarteGiocate(); ++n) {
        int giocatore = -1;
        Carta carta;
        registro.CartaGiocata(n, giocatore, carta);
        carte.append(QJsonObject{{QStringLiteral("posto"), giocatore},
                                 {QStringLiteral("carta"), CodiceCartaRete(carta)}});
    }
    ATutti({{QStringLiteral("tipo"), QStringLiteral("presa")},
            {QStringLiteral("vincitore"), vincitore},
            {QStringLiteral("punti"), registro.PuntiInTavola()},
            {QStringLiteral("carte"), carte}});
    // The trick is turned up as it is collected: a called card played face down is seen now.
    if (socioAnnunciato < 0) {
        const Carta chiamata = registro.CartaChiamata();
        if (chiamata.Definita() && registro.InTavola(chiamata.Indice())) {
            socioAnnunciato = registro.Distribuzione(chiamata.Indice());
            ATutti({{QStringLiteral("tipo"), QStringLiteral("socio")},
                    {QStringLiteral("posto"), socioAnnunciato}});
        }
    }
}

void FinestraRete::NotificaFinePartita(RegistroPartita registro, TipoStoriaPartite storia) {
    std::array<int, 5> punti{};
    std::array<int, 5> punteggi{};
    const int ultima = storia.numeroPartite - 1;
    for (int s = 0; s < 5; ++s) {
        punti[static_cast<std::size_t>(s)] = registro.PuntiGiocatore(s);
        punteggi[static_cast<std::size_t>(s)] = ultima >= 0 ? storia.Punteggio(ultima, s) : 0;
    }
    ATutti({{QStringLiteral("tipo"), QStringLiteral("finepartita")},
            {QStringLiteral("chiamante"), int{registro.chiamante}},
            {QStringLiteral("socio"), registro.Socio()},
            {QStringLiteral("chiamata"), CodiceChiamata(registro.chiamata)},
            {QStringLiteral("punti"), ArrayInteri(punti)},
            {QStringLiteral("punteggi"), ArrayInteri(punteggi)},
            {QStringLiteral("vinta"), registro.ChiamanteVincente()}});
    QJsonObject serie = VistaSerie(storia);
    serie.insert(QStringLiteral("tipo"), QStringLiteral("serie"));
    ATutti(serie);
}
