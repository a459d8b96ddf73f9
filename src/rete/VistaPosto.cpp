#include "rete/VistaPosto.h"

#include <QStringLiteral>

#include "partita/RegistroPartita.h"
#include "partita/TipoStoriaPartite.h"
#include "rete/Protocollo.h"

QJsonArray ArrayInteri(const std::array<int, 5>& valori) {
    QJsonArray array;
    for (int v : valori) {
        array.append(v);
    }
    return array;
}

bool CartaCoperta(const RegistroPartita& registro, const Carta& carta) {
    return registro.primaManoCoperta == 1 && registro.ManiComplete() == 0 &&
           registro.InTavola(carta.Indice()) && carta.ValoreGrezzo() == registro.chiamata.Valore;
}

int SocioVisibile(const RegistroPartita& registro) {
    const Carta chiamata = registro.CartaChiamata();
    if (!chiamata.Definita() || registro.InMano(chiamata.Indice()) ||
        CartaCoperta(registro, chiamata)) {
        return -1;
    }
    return registro.Distribuzione(chiamata.Indice());
}

QJsonObject VistaCartaGiocata(const Carta& carta, bool coperta, int giocatore, int posto) {
    QJsonObject vista{{QStringLiteral("posto"), giocatore}, {QStringLiteral("coperta"), coperta}};
    if (!coperta || giocatore == posto) {
        vista.insert(QStringLiteral("carta"), CodiceCartaRete(carta));
    }
    return vista;
}

std::array<int, 5> PreseGiocatori(const RegistroPartita& registro) {
    std::array<int, 5> prese{};
    for (int mano = 0; mano < registro.ManiComplete(); ++mano) {
        Carta migliore;
        int vincitore = -1;
        for (int n = mano * 5; n < mano * 5 + 5; ++n) {
            int giocatore = -1;
            Carta carta;
            registro.CartaGiocata(n, giocatore, carta);
            if (RegistroPartita::Confronta(migliore, carta, registro.briscola) > 0) {
                migliore = carta;
                vincitore = giocatore;
            }
        }
        if (vincitore >= 0 && vincitore < 5) {
            ++prese[static_cast<std::size_t>(vincitore)];
        }
    }
    return prese;
}

QJsonObject VistaPartita(const RegistroPartita& registro, int posto, int numero) {
    QJsonArray mano;
    for (int c = 0; c < 40; ++c) {
        if (registro.InMano(c) && registro.Distribuzione(c) == posto) {
            mano.append(CodiceCartaRete(Carta::DaIndice(c)));
        }
    }
    QJsonArray licitazioni;
    for (int n = 0; n < registro.NumeroLicitazioni(); ++n) {
        int chi = -1;
        const Chiamata chiamata = registro.LicitazioneN(n, chi);
        licitazioni.append(QJsonObject{{QStringLiteral("posto"), chi},
                                       {QStringLiteral("chiamata"), CodiceChiamata(chiamata)}});
    }
    QJsonArray tavola;
    for (int n = registro.ManiComplete() * 5; n < registro.NumeroCarteGiocate(); ++n) {
        int giocatore = -1;
        Carta carta;
        registro.CartaGiocata(n, giocatore, carta);
        tavola.append(VistaCartaGiocata(carta, CartaCoperta(registro, carta), giocatore, posto));
    }
    const Carta chiamata = registro.CartaChiamata();
    std::array<int, 5> punti{};
    for (int s = 0; s < 5; ++s) {
        punti[static_cast<std::size_t>(s)] = registro.PuntiGiocatore(s);
    }
    const bool chiusa = registro.chiamante >= 0 && registro.GiocatoriInLicitazione() <= 1;
    return {
        {QStringLiteral("numero"), numero},
        {QStringLiteral("mano"), mano},
        {QStringLiteral("licitazioni"), licitazioni},
        {QStringLiteral("chiamante"), chiusa ? int{registro.chiamante} : -1},
        {QStringLiteral("chiamata"), CodiceChiamata(registro.chiamata)},
        {QStringLiteral("briscola"),
         registro.briscola.Nominata()
             ? QString::fromLatin1("CQFP").mid(registro.briscola.SemeGrezzo(), 1)
             : QString()},
        {QStringLiteral("cartaChiamata"),
         chiamata.Definita() ? CodiceCartaRete(chiamata) : QString()},
        {QStringLiteral("socio"), SocioVisibile(registro)},
        {QStringLiteral("tavola"), tavola},
        {QStringLiteral("prese"), ArrayInteri(PreseGiocatori(registro))},
        {QStringLiteral("punti"), ArrayInteri(punti)},
        {QStringLiteral("finita"), registro.PartitaFinita()},
    };
}

QJsonObject VistaSerie(const TipoStoriaPartite& storia) {
    QJsonArray ultime;
    for (int n = storia.PrimaPartitaTenuta(); n < storia.numeroPartite; ++n) {
        const PartitaGiocata& partita = storia.Partita(n);
        std::array<int, 5> punteggi{};
        for (int s = 0; s < 5; ++s) {
            punteggi[static_cast<std::size_t>(s)] = partita.punteggio[static_cast<std::size_t>(s)];
        }
        ultime.append(QJsonObject{{QStringLiteral("numero"), n},
                                  {QStringLiteral("chiamante"), int{partita.chiamante}},
                                  {QStringLiteral("socio"), int{partita.socio}},
                                  {QStringLiteral("chiamata"), CodiceChiamata(partita.chiamata)},
                                  {QStringLiteral("punteggi"), ArrayInteri(punteggi)}});
    }
    static const std::array<const char*, 4> kRuoli = {"chiamante", "socio", "avversario", "tutti"};
    QJsonObject statistiche;
    for (int ruolo = 0; ruolo < 4; ++ruolo) {
        QJsonArray posti;
        for (int s = 0; s < 5; ++s) {
            posti.append(
                QJsonObject{{QStringLiteral("vinte"), storia.Statistiche(ruolo, kVinte, s)},
                            {QStringLiteral("perse"), storia.Statistiche(ruolo, kPerse, s)},
                            {QStringLiteral("giocate"), storia.Statistiche(ruolo, kGiocate, s)}});
        }
        statistiche.insert(QLatin1String(kRuoli[static_cast<std::size_t>(ruolo)]), posti);
    }
    std::array<int, 5> totali{};
    for (int s = 0; s < 5; ++s) {
        totali[static_cast<std::size_t>(s)] = storia.Totale(s);
    }
    return {{QStringLiteral("partite"), storia.numeroPartite},
            {QStringLiteral("totali"), ArrayInteri(totali)},
            {QStringLiteral("ultime"), ultime},
            {QStringLiteral("statistiche"), statistiche}};
}
