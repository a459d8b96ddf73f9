#include "rete/MessaggioServer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <cmath>
#include <string>
#include <utility>

#include "comune/Errore.h"
#include "rete/Protocollo.h"

namespace {

// Long enough for any text the server writes (a table's name, an error's message), short
// enough that a hostile server cannot fill a label with a novel.
constexpr int kTestoMassimo = 400;

[[noreturn]] void Malformato(const char* campo) {
    throw Errore(std::string("Messaggio del server non valido (campo ") + campo + ")");
}

QJsonValue Valore(const QJsonObject& oggetto, const char* nome) {
    const QJsonValue valore = oggetto.value(QLatin1String(nome));
    if (valore.isUndefined()) {
        Malformato(nome);
    }
    return valore;
}

int Intero(const QJsonObject& oggetto, const char* nome, int minimo, int massimo) {
    const QJsonValue valore = Valore(oggetto, nome);
    const double numero = valore.toDouble(std::nan(""));
    if (!valore.isDouble() || !(numero >= minimo && numero <= massimo) ||
        std::floor(numero) != numero) {
        Malformato(nome);
    }
    return static_cast<int>(numero);
}

int Posto(const QJsonObject& oggetto, const char* nome, bool ancheNessuno = false) {
    return Intero(oggetto, nome, ancheNessuno ? -1 : 0, 4);
}

bool Booleano(const QJsonObject& oggetto, const char* nome) {
    const QJsonValue valore = Valore(oggetto, nome);
    if (!valore.isBool()) {
        Malformato(nome);
    }
    return valore.toBool();
}

QString Testo(const QJsonObject& oggetto, const char* nome) {
    const QJsonValue valore = Valore(oggetto, nome);
    if (!valore.isString() || valore.toString().size() > kTestoMassimo) {
        Malformato(nome);
    }
    return valore.toString();
}

QJsonArray Array(const QJsonObject& oggetto, const char* nome, qsizetype massimo) {
    const QJsonValue valore = Valore(oggetto, nome);
    if (!valore.isArray() || valore.toArray().size() > massimo) {
        Malformato(nome);
    }
    return valore.toArray();
}

QJsonObject Oggetto(const QJsonValue& valore, const char* nome) {
    if (!valore.isObject()) {
        Malformato(nome);
    }
    return valore.toObject();
}

std::array<int, 5> Cinque(const QJsonObject& oggetto, const char* nome, int minimo, int massimo) {
    const QJsonArray array = Array(oggetto, nome, 5);
    if (array.size() != 5) {
        Malformato(nome);
    }
    std::array<int, 5> valori{};
    for (int s = 0; s < 5; ++s) {
        const QJsonObject uno{{QStringLiteral("v"), array.at(s)}};
        valori[static_cast<std::size_t>(s)] = Intero(uno, "v", minimo, massimo);
    }
    return valori;
}

Carta CartaDa(const QString& codice, const char* nome) {
    try {
        return CartaDaCodiceRete(codice);
    } catch (const Errore&) {
        Malformato(nome);
    }
}

// A card field, or an undefined card when the field holds "".
Carta CartaFacoltativa(const QJsonObject& oggetto, const char* nome) {
    const QString codice = Testo(oggetto, nome);
    return codice.isEmpty() ? Carta() : CartaDa(codice, nome);
}

Chiamata ChiamataDa(const QString& codice, const char* nome) {
    if (codice.isEmpty()) {
        return ChiamataNulla;
    }
    try {
        return ChiamataDaCodice(codice);
    } catch (const Errore&) {
        Malformato(nome);
    }
}

int Seme(const QString& codice, const char* nome) {
    if (codice.isEmpty()) {
        return -1;
    }
    const qsizetype seme = QStringLiteral("CQFP").indexOf(codice);
    if (codice.size() != 1 || seme < 0) {
        Malformato(nome);
    }
    return static_cast<int>(seme);
}

std::vector<Carta> Carte(const QJsonObject& oggetto, const char* nome) {
    std::vector<Carta> carte;
    for (const QJsonValue& valore : Array(oggetto, nome, 8)) {
        if (!valore.isString()) {
            Malformato(nome);
        }
        carte.push_back(CartaDa(valore.toString(), nome));
    }
    return carte;
}

CartaVista CartaGiocata(const QJsonObject& oggetto) {
    CartaVista carta;
    carta.posto = Posto(oggetto, "posto");
    carta.coperta = Booleano(oggetto, "coperta");
    if (oggetto.contains(QLatin1String("carta"))) {
        carta.carta = CartaDa(Testo(oggetto, "carta"), "carta");
    } else if (!carta.coperta) {
        Malformato("carta");
    }
    return carta;
}

std::array<PostoVisto, 5> Posti(const QJsonObject& oggetto) {
    const QJsonArray array = Array(oggetto, "posti", 5);
    if (array.size() != 5) {
        Malformato("posti");
    }
    std::array<PostoVisto, 5> posti;
    for (int s = 0; s < 5; ++s) {
        const QJsonObject posto = Oggetto(array.at(s), "posti");
        posti[static_cast<std::size_t>(s)] = {Testo(posto, "nome"), Booleano(posto, "persona"),
                                              Booleano(posto, "connesso")};
    }
    return posti;
}

TurnoVisto Turno(const QJsonObject& oggetto) {
    TurnoVisto turno{Posto(oggetto, "posto"), Testo(oggetto, "cosa"),
                     Intero(oggetto, "tempoMs", 0, 24 * 3600 * 1000)};
    if (turno.cosa != QLatin1String("chiamata") && turno.cosa != QLatin1String("briscola") &&
        turno.cosa != QLatin1String("carta")) {
        Malformato("cosa");
    }
    return turno;
}

std::vector<int> Confermati(const QJsonObject& oggetto) {
    std::vector<int> posti;
    for (const QJsonValue& valore : Array(oggetto, "confermati", 5)) {
        posti.push_back(Posto(QJsonObject{{QStringLiteral("confermati"), valore}}, "confermati"));
    }
    return posti;
}

SerieVista Serie(const QJsonObject& oggetto) {
    constexpr int kPuntiMassimi = 1 << 28;
    SerieVista serie;
    serie.partite = Intero(oggetto, "partite", 0, kPuntiMassimi);
    serie.totali = Cinque(oggetto, "totali", -kPuntiMassimi, kPuntiMassimi);
    for (const QJsonValue& valore : Array(oggetto, "ultime", 100)) {
        const QJsonObject uno = Oggetto(valore, "ultime");
        serie.ultime.push_back({Intero(uno, "numero", 0, kPuntiMassimi),
                                Posto(uno, "chiamante", true), Posto(uno, "socio", true),
                                ChiamataDa(Testo(uno, "chiamata"), "chiamata"),
                                Cinque(uno, "punteggi", -100, 100)});
    }
    const QJsonObject statistiche = Oggetto(Valore(oggetto, "statistiche"), "statistiche");
    static constexpr std::array<const char*, 4> kRuoli = {"chiamante", "socio", "avversario",
                                                          "tutti"};
    static constexpr std::array<const char*, 3> kEsiti = {"vinte", "perse", "giocate"};
    for (std::size_t r = 0; r < kRuoli.size(); ++r) {
        const QJsonArray posti = Array(statistiche, kRuoli[r], 5);
        if (posti.size() != 5) {
            Malformato(kRuoli[r]);
        }
        for (int s = 0; s < 5; ++s) {
            const QJsonObject posto = Oggetto(posti.at(s), kRuoli[r]);
            for (std::size_t e = 0; e < kEsiti.size(); ++e) {
                serie.statistiche.valori[r][static_cast<std::size_t>(s)][e] =
                    Intero(posto, kEsiti[e], 0, kPuntiMassimi);
            }
        }
    }
    return serie;
}

PartitaVista Partita(const QJsonObject& oggetto) {
    PartitaVista partita;
    partita.numero = Intero(oggetto, "numero", 0, 1 << 28);
    partita.mano = Carte(oggetto, "mano");
    for (const QJsonValue& valore : Array(oggetto, "licitazioni", 200)) {
        const QJsonObject uno = Oggetto(valore, "licitazioni");
        partita.licitazioni.emplace_back(Posto(uno, "posto"),
                                         ChiamataDa(Testo(uno, "chiamata"), "chiamata"));
    }
    partita.chiamante = Posto(oggetto, "chiamante", true);
    partita.chiamata = ChiamataDa(Testo(oggetto, "chiamata"), "chiamata");
    partita.briscola = Seme(Testo(oggetto, "briscola"), "briscola");
    partita.cartaChiamata = CartaFacoltativa(oggetto, "cartaChiamata");
    partita.socio = Posto(oggetto, "socio", true);
    for (const QJsonValue& valore : Array(oggetto, "tavola", 5)) {
        partita.tavola.push_back(CartaGiocata(Oggetto(valore, "tavola")));
    }
    partita.prese = Cinque(oggetto, "prese", 0, 8);
    partita.punti = Cinque(oggetto, "punti", 0, 120);
    const QJsonValue turno = Valore(oggetto, "turno");
    if (!turno.isNull()) {
        partita.turno = Turno(Oggetto(turno, "turno"));
    }
    partita.finita = Booleano(oggetto, "finita");
    return partita;
}

VistaTavolo Stato(const QJsonObject& oggetto) {
    VistaTavolo vista;
    vista.codice = Testo(oggetto, "codice");
    vista.nome = Testo(oggetto, "nome");
    vista.manoAlBuio = Booleano(oggetto, "manoAlBuio");
    vista.computer = Testo(oggetto, "computer");
    vista.tempoTurno = Intero(oggetto, "tempoTurno", 0, kTempoTurnoMassimo);
    vista.suggerimenti =
        oggetto.contains(QLatin1String("suggerimenti")) && Booleano(oggetto, "suggerimenti");
    vista.posto = Posto(oggetto, "posto", true);
    vista.creatore = Booleano(oggetto, "creatore");
    vista.iniziata = Booleano(oggetto, "iniziata");
    vista.posti = Posti(oggetto);
    vista.serie = Serie(Oggetto(Valore(oggetto, "serie"), "serie"));
    const QJsonValue partita = Valore(oggetto, "partita");
    if (!partita.isNull()) {
        vista.inPartita = true;
        vista.partita = Partita(Oggetto(partita, "partita"));
    }
    const QJsonValue attesa = Valore(oggetto, "attesa");
    if (!attesa.isNull()) {
        vista.inAttesa = true;
        vista.confermati = Confermati(Oggetto(attesa, "attesa"));
    }
    return vista;
}

using Tipo = MessaggioServer::Tipo;

const std::array<std::pair<const char*, Tipo>, 20> kTipi = {{
    {"benvenuto", Tipo::Benvenuto},
    {"creato", Tipo::Creato},
    {"seduto", Tipo::Seduto},
    {"stato", Tipo::Stato},
    {"posti", Tipo::Posti},
    {"inizio", Tipo::Inizio},
    {"chiamata", Tipo::Chiamata},
    {"finelicitazione", Tipo::FineLicitazione},
    {"briscola", Tipo::Briscola},
    {"carta", Tipo::Carta},
    {"presa", Tipo::Presa},
    {"socio", Tipo::Socio},
    {"finepartita", Tipo::FinePartita},
    {"serie", Tipo::Serie},
    {"turno", Tipo::Turno},
    {"attesa", Tipo::Attesa},
    {"chat", Tipo::Chat},
    {"errore", Tipo::Errore},
    {"chiusura", Tipo::Chiusura},
    {"arresto", Tipo::Arresto},
}};

void DecodificaCampi(const QJsonObject& o, MessaggioServer& m) {
    switch (m.tipo) {
    case Tipo::Benvenuto:
        m.versione = Intero(o, "versione", 0, 1 << 20);
        break;
    case Tipo::Creato:
        m.codice = Testo(o, "codice");
        break;
    case Tipo::Seduto:
        m.posto = Posto(o, "posto");
        if (o.contains(QLatin1String("gettone"))) {
            m.gettone = Testo(o, "gettone");
        }
        break;
    case Tipo::Stato:
        m.vista = Stato(o);
        break;
    case Tipo::Posti:
        m.posti = Posti(o);
        break;
    case Tipo::Inizio:
        m.numero = Intero(o, "partita", 0, 1 << 28);
        m.mano = Carte(o, "mano");
        m.primo = Posto(o, "primo");
        break;
    case Tipo::Chiamata:
        m.posto = Posto(o, "posto");
        m.chiamata = ChiamataDa(Testo(o, "chiamata"), "chiamata");
        break;
    case Tipo::FineLicitazione:
        m.chiamante = Posto(o, "chiamante");
        m.chiamata = ChiamataDa(Testo(o, "chiamata"), "chiamata");
        break;
    case Tipo::Briscola:
        m.seme = Seme(Testo(o, "seme"), "seme");
        m.cartaChiamata = CartaDa(Testo(o, "cartaChiamata"), "cartaChiamata");
        if (m.seme < 0) {
            Malformato("seme");
        }
        break;
    case Tipo::Carta:
        m.carta = CartaGiocata(o);
        m.posto = m.carta.posto;
        break;
    case Tipo::Presa:
        m.vincitore = Posto(o, "vincitore");
        m.puntiPresa = Intero(o, "punti", 0, 120);
        for (const QJsonValue& valore : Array(o, "carte", 5)) {
            // A trick's cards are all turned up: each has its face.
            const QJsonObject carta = Oggetto(valore, "carte");
            m.carte.push_back(
                {Posto(carta, "posto"), false, CartaDa(Testo(carta, "carta"), "carte")});
        }
        break;
    case Tipo::Socio:
        m.posto = Posto(o, "posto");
        break;
    case Tipo::FinePartita:
        m.chiamante = Posto(o, "chiamante");
        m.socio = Posto(o, "socio");
        m.chiamata = ChiamataDa(Testo(o, "chiamata"), "chiamata");
        m.punti = Cinque(o, "punti", 0, 120);
        m.punteggi = Cinque(o, "punteggi", -100, 100);
        m.vinta = Booleano(o, "vinta");
        break;
    case Tipo::Serie:
        m.serie = Serie(o);
        break;
    case Tipo::Turno:
        m.turno = Turno(o);
        m.posto = m.turno.posto;
        break;
    case Tipo::Attesa:
        m.confermati = Confermati(o);
        m.tempoMs = Intero(o, "tempoMs", 0, 24 * 3600 * 1000);
        break;
    case Tipo::Chat:
        m.posto = Posto(o, "posto", true);
        m.nome = Testo(o, "nome");
        m.testo = Testo(o, "testo");
        break;
    case Tipo::Errore:
        m.codice = Testo(o, "codice");
        m.testo = Testo(o, "messaggio");
        break;
    case Tipo::Chiusura:
        m.testo = Testo(o, "motivo");
        break;
    case Tipo::Arresto:
        m.testo = Testo(o, "messaggio");
        break;
    }
}

} // namespace

MessaggioServer DecodificaMessaggioServer(const QString& testo) {
    QJsonParseError errore{};
    const QJsonDocument documento = QJsonDocument::fromJson(testo.toUtf8(), &errore);
    if (errore.error != QJsonParseError::NoError || !documento.isObject()) {
        throw Errore("Messaggio del server non valido (non è un oggetto JSON)");
    }
    const QJsonObject oggetto = documento.object();
    const QString tipo = Testo(oggetto, "tipo");
    MessaggioServer messaggio;
    bool trovato = false;
    for (const auto& [nome, valore] : kTipi) {
        if (tipo == QLatin1String(nome)) {
            messaggio.tipo = valore;
            trovato = true;
        }
    }
    if (!trovato) {
        Malformato("tipo");
    }
    DecodificaCampi(oggetto, messaggio);
    return messaggio;
}
