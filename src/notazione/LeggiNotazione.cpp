#include "notazione/LeggiNotazione.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>

#include "carte/CodiceCarta.h"
#include "comune/Testo.h"
#include "notazione/PartitaNotata.h"
#include "notazione/RigiocaPartita.h"
#include "notazione/TestoLicitazione.h"

namespace {

bool Spazio(char c) {
    return c == ' ' || c == '\t';
}

// The words of a line, and where each ends (a name is the rest of its line).
struct Parole {
    std::vector<std::string_view> parole;
    std::vector<std::size_t> fine;

    explicit Parole(std::string_view riga) {
        std::size_t i = 0;
        while (i < riga.size()) {
            while (i < riga.size() && Spazio(riga[i])) {
                ++i;
            }
            const std::size_t inizio = i;
            while (i < riga.size() && !Spazio(riga[i])) {
                ++i;
            }
            if (i > inizio) {
                parole.push_back(riga.substr(inizio, i - inizio));
                fine.push_back(i);
            }
        }
    }
};

// A short, printable quote of what a file holds, for a message.
std::string Citato(std::string_view testo) {
    std::string esito;
    for (const char c : testo.substr(0, 16)) {
        esito += static_cast<unsigned char>(c) < 0x20 || c == '\x7f' ? '?' : c;
    }
    return testo.size() > 16 ? esito + "..." : esito;
}

// The game being read: what it holds so far and the line of each part, to point at it.
struct PartitaInLettura {
    PartitaNotata partita;
    int riga = 0;
    std::array<bool, 5> giocatori{};
    std::array<bool, 5> carte{};
    std::array<bool, 40> distribuite{};
    std::optional<int> rigaVariante;
    std::optional<int> rigaBriscola;
    std::optional<int> rigaChiamata;
    std::vector<int> righeLicitazioni;
    std::array<int, 8> righePrese{};
    int prese = 0;
};

class Lettore {
public:
    Lettore(const RiceviPartita& ricevi, const std::string& file) : ricevi(ricevi), file(file) {}

    void Riga(std::string_view riga) {
        ++numero;
        if (riga.size() > kLunghezzaMassimaRiga) {
            Errore("riga troppo lunga");
        }
        if (!riga.empty() && riga.front() == '#') {
            return;
        }
        const Parole p(riga);
        if (p.parole.empty()) {
            return;
        }
        const std::string_view parola = p.parole[0];
        if (parola == "partita") {
            Partita(p);
            return;
        }
        if (!inCorso) {
            Errore(parola == "giocatore" || parola == "variante" || parola == "carte" ||
                           parola == "licita" || parola == "briscola" || parola == "chiamata" ||
                           parola == "presa" || parola == "punteggi"
                       ? "\"" + std::string(parola) + "\" fuori da una partita"
                       : "parola sconosciuta: " + Citato(parola));
        }
        if (parola == "giocatore") {
            Giocatore(p, riga);
        } else if (parola == "variante") {
            Variante(p);
        } else if (parola == "carte") {
            Carte(p);
        } else if (parola == "licita") {
            Licita(p);
        } else if (parola == "briscola") {
            BriscolaNominata(p);
        } else if (parola == "chiamata") {
            CartaChiamata(p);
        } else if (parola == "presa") {
            Presa(p);
        } else if (parola == "punteggi") {
            Punteggi(p);
        } else {
            Errore("parola sconosciuta: " + Citato(parola));
        }
    }

    void Fine() {
        if (inCorso) {
            Errore("la partita della riga " + std::to_string(inCorso->riga) +
                   " finisce senza i punteggi");
        }
    }

private:
    const RiceviPartita& ricevi;
    const std::string& file;
    int numero = 0;
    std::optional<PartitaInLettura> inCorso;

    [[noreturn]] void Errore(const std::string& messaggio, int riga = 0) const {
        throw ErroreNotazione(messaggio, riga > 0 ? riga : numero, file);
    }

    void Parti(const Parole& p, std::size_t quante) const {
        if (p.parole.size() != quante) {
            Errore("\"" + std::string(p.parole[0]) + "\" vuole " + std::to_string(quante - 1) +
                   (quante == 2 ? " valore" : " valori") + ", non " +
                   std::to_string(p.parole.size() - 1));
        }
    }

    long long Numero(std::string_view testo, long long minimo, long long massimo,
                     const char* cosa) const {
        long long valore = 0;
        const char* fine = testo.data() + testo.size();
        const auto [resto, errore] = std::from_chars(testo.data(), fine, valore);
        if (errore != std::errc() || resto != fine || valore < minimo || valore > massimo) {
            Errore(std::string(cosa) + " non valido: " + Citato(testo));
        }
        return valore;
    }

    int Seggio(std::string_view testo) const {
        return static_cast<int>(Numero(testo, 0, 4, "giocatore"));
    }

    // A card of the code, or the code's own message.
    Carta CartaLetta(std::string_view codice) const {
        try {
            return CartaDaCodice(codice);
        } catch (const ::Errore& e) {
            Errore(e.what());
        }
    }

    void Partita(const Parole& p) {
        if (inCorso) {
            Errore("la partita della riga " + std::to_string(inCorso->riga) +
                   " finisce senza i punteggi");
        }
        Parti(p, 2);
        inCorso.emplace();
        inCorso->riga = numero;
        inCorso->partita.numero =
            Numero(p.parole[1], 0, std::numeric_limits<std::int32_t>::max(), "numero di partita");
    }

    void Giocatore(const Parole& p, std::string_view riga) {
        if (p.parole.size() < 3) {
            Errore("\"giocatore\" vuole il posto, il tipo e il nome");
        }
        const int s = Seggio(p.parole[1]);
        if (inCorso->giocatori[static_cast<std::size_t>(s)]) {
            Errore("giocatore " + std::to_string(s) + " già descritto");
        }
        inCorso->giocatori[static_cast<std::size_t>(s)] = true;
        std::string_view nome = riga.substr(p.fine[2]);
        while (!nome.empty() && Spazio(nome.front())) {
            nome.remove_prefix(1);
        }
        while (!nome.empty() && Spazio(nome.back())) {
            nome.remove_suffix(1);
        }
        inCorso->partita.giocatori[static_cast<std::size_t>(s)] = {std::string(p.parole[2]),
                                                                   std::string(nome)};
    }

    void Variante(const Parole& p) {
        Parti(p, 2);
        if (inCorso->rigaVariante) {
            Errore("variante già indicata alla riga " + std::to_string(*inCorso->rigaVariante));
        }
        if (p.parole[1] != "normale" && p.parole[1] != "mano-al-buio") {
            Errore("variante sconosciuta: " + Citato(p.parole[1]));
        }
        inCorso->rigaVariante = numero;
        inCorso->partita.manoAlBuio = p.parole[1] == "mano-al-buio";
    }

    void Carte(const Parole& p) {
        if (p.parole.size() < 2) {
            Errore("\"carte\" vuole il posto e le sue otto carte");
        }
        const int s = Seggio(p.parole[1]);
        if (inCorso->carte[static_cast<std::size_t>(s)]) {
            Errore("carte del giocatore " + std::to_string(s) + " già indicate");
        }
        if (p.parole.size() != 10) {
            Errore("il giocatore " + std::to_string(s) + " deve avere otto carte, non " +
                   std::to_string(p.parole.size() - 2));
        }
        for (std::size_t k = 2; k < 10; ++k) {
            const auto c = static_cast<std::size_t>(CartaLetta(p.parole[k]).Indice());
            if (inCorso->distribuite[c]) {
                Errore("carta distribuita due volte: " + std::string(p.parole[k]));
            }
            inCorso->distribuite[c] = true;
            inCorso->partita.distribuzione[c] = s;
        }
        inCorso->carte[static_cast<std::size_t>(s)] = true;
    }

    void Licita(const Parole& p) {
        Parti(p, 3);
        if (inCorso->rigaBriscola || inCorso->prese > 0) {
            Errore("licitazione dopo la fine della licitazione");
        }
        if (inCorso->partita.licitazioni.size() >=
            static_cast<std::size_t>(RegistroPartita::kMassimoLicitazioni)) {
            Errore("troppe licitazioni in una partita");
        }
        LicitazioneNotata l;
        l.giocatore = Seggio(p.parole[1]);
        try {
            l.chiamata = LicitazioneDaTesto(p.parole[2]);
        } catch (const ::Errore& e) {
            Errore(e.what());
        }
        inCorso->partita.licitazioni.push_back(l);
        inCorso->righeLicitazioni.push_back(numero);
    }

    void BriscolaNominata(const Parole& p) {
        Parti(p, 2);
        if (inCorso->rigaBriscola) {
            Errore("briscola già indicata alla riga " + std::to_string(*inCorso->rigaBriscola));
        }
        try {
            inCorso->partita.briscola = Briscola(SemeDaCodice(p.parole[1]));
        } catch (const ::Errore& e) {
            Errore(e.what());
        }
        inCorso->rigaBriscola = numero;
    }

    void CartaChiamata(const Parole& p) {
        Parti(p, 2);
        if (inCorso->rigaChiamata) {
            Errore("carta chiamata già indicata alla riga " +
                   std::to_string(*inCorso->rigaChiamata));
        }
        inCorso->partita.chiamata = CartaLetta(p.parole[1]);
        inCorso->rigaChiamata = numero;
    }

    void Presa(const Parole& p) {
        Parti(p, 8);
        const auto n = Numero(p.parole[1], 1, 8, "numero di presa");
        if (n != inCorso->prese + 1) {
            Errore("attesa la presa " + std::to_string(inCorso->prese + 1) + ", non la " +
                   std::to_string(n));
        }
        PresaNotata& presa = inCorso->partita.prese[static_cast<std::size_t>(inCorso->prese)];
        presa.primo = Seggio(p.parole[2]);
        for (std::size_t k = 0; k < 5; ++k) {
            presa.carte[k] = CartaLetta(p.parole[k + 3]);
        }
        inCorso->righePrese[static_cast<std::size_t>(inCorso->prese)] = numero;
        ++inCorso->prese;
    }

    void Punteggi(const Parole& p) {
        Parti(p, 6);
        for (std::size_t s = 0; s < 5; ++s) {
            inCorso->partita.punteggi[s] =
                static_cast<int>(Numero(p.parole[s + 1], -1000, 1000, "punteggio"));
        }
        const PartitaInLettura& letta = *inCorso;
        for (int s = 0; s < 5; ++s) {
            if (!letta.giocatori[static_cast<std::size_t>(s)]) {
                Errore("manca il giocatore " + std::to_string(s));
            }
            if (!letta.carte[static_cast<std::size_t>(s)]) {
                Errore("mancano le carte del giocatore " + std::to_string(s));
            }
        }
        if (!letta.rigaVariante) {
            Errore("manca la variante");
        }
        if (!letta.rigaBriscola) {
            Errore("manca la briscola");
        }
        if (!letta.rigaChiamata) {
            Errore("manca la carta chiamata");
        }
        if (letta.prese < 8) {
            Errore("mancano prese: la partita ne ha " + std::to_string(letta.prese));
        }
        try {
            RigiocaPartita(letta.partita);
        } catch (const ErroreRigioco& e) {
            Errore(e.what(), RigaDi(e));
        }
        // Handed over whole: a game is kept only until it is read.
        const PartitaInLettura finita = std::move(*inCorso);
        inCorso.reset();
        ricevi(finita.partita);
    }

    int RigaDi(const ErroreRigioco& e) const {
        const auto i = static_cast<std::size_t>(e.Indice());
        switch (e.Dove()) {
        case ErroreRigioco::Parte::Licitazione:
            return i < inCorso->righeLicitazioni.size() ? inCorso->righeLicitazioni[i] : numero;
        case ErroreRigioco::Parte::Briscola:
            return *inCorso->rigaBriscola;
        case ErroreRigioco::Parte::Chiamata:
            return *inCorso->rigaChiamata;
        case ErroreRigioco::Parte::Presa:
            return i < 8 ? inCorso->righePrese[i] : numero;
        case ErroreRigioco::Parte::Punteggi:
            break;
        }
        return numero;
    }
};

// Lines end with LF, CR LF or a lone CR; feeds each complete line of testo to lettore and
// returns what is left after the last line end.
std::string_view Righe(std::string_view testo, bool fine, bool& crPendente, Lettore& lettore) {
    std::size_t inizio = 0;
    for (std::size_t i = 0; i < testo.size(); ++i) {
        const char c = testo[i];
        if (c == '\n' && crPendente && i == inizio) {
            crPendente = false;
            inizio = i + 1;
            continue;
        }
        crPendente = false;
        if (c == '\n' || c == '\r') {
            lettore.Riga(DecodificaTesto(testo.substr(inizio, i - inizio)));
            crPendente = c == '\r';
            inizio = i + 1;
        }
    }
    std::string_view resto = testo.substr(inizio);
    if (fine && !resto.empty()) {
        lettore.Riga(DecodificaTesto(resto));
        resto = {};
    }
    return resto;
}

constexpr const char* kBOM = "\xEF\xBB\xBF";

std::string_view SenzaBOM(std::string_view testo) {
    return testo.substr(0, 3) == kBOM ? testo.substr(3) : testo;
}

} // namespace

void LeggiNotazione(std::string_view testo, const RiceviPartita& ricevi, const std::string& file) {
    Lettore lettore(ricevi, file);
    bool crPendente = false;
    Righe(SenzaBOM(testo), true, crPendente, lettore);
    lettore.Fine();
}

std::vector<PartitaNotata> LeggiNotazione(std::string_view testo, const std::string& file) {
    std::vector<PartitaNotata> partite;
    LeggiNotazione(
        testo, [&](const PartitaNotata& p) { partite.push_back(p); }, file);
    return partite;
}

void LeggiFileNotazione(const std::string& percorso, const RiceviPartita& ricevi) {
    const auto Illeggibile = [&](const std::string& motivo = {}) {
        return ::Errore("Impossibile leggere il file delle partite \"" + percorso + "\"" +
                        (motivo.empty() ? "" : ": " + motivo));
    };
    // As every reader of the game's files: only a regular file is read, and a FIFO is opened
    // without waiting for a writer. The file is read as it goes, a series of any length.
    struct stat stato {};
    if (percorso.empty() || ::stat(percorso.c_str(), &stato) != 0) {
        throw Illeggibile();
    }
    if (!S_ISREG(stato.st_mode)) {
        throw Illeggibile(MotivoLettura(EsitoLettura::NonRegolare));
    }
    const int fd = ::open(percorso.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        throw Illeggibile();
    }
    struct Chiusura {
        int fd;
        ~Chiusura() { ::close(fd); }
    } chiusura{fd};
    if (::fstat(fd, &stato) != 0 || !S_ISREG(stato.st_mode)) {
        throw Illeggibile(MotivoLettura(EsitoLettura::NonRegolare));
    }
    Lettore lettore(ricevi, percorso);
    bool crPendente = false;
    bool primo = true;
    std::string pendente;
    std::array<char, 65536> blocco{};
    for (;;) {
        const ssize_t letti = ::read(fd, blocco.data(), blocco.size());
        if (letti < 0 && errno == EINTR) {
            continue;
        }
        if (letti < 0) {
            throw Illeggibile();
        }
        if (letti == 0) {
            break;
        }
        pendente.append(blocco.data(), static_cast<std::size_t>(letti));
        // The mark is dropped once it is known whether the file begins with it.
        if (primo && (pendente.size() >= 3 ||
                      std::string_view(kBOM).substr(0, pendente.size()) != pendente)) {
            pendente = std::string(SenzaBOM(pendente));
            primo = false;
        }
        pendente = std::string(Righe(pendente, false, crPendente, lettore));
        if (pendente.size() > kLunghezzaMassimaRiga) {
            lettore.Riga(pendente);
        }
    }
    Righe(primo ? SenzaBOM(pendente) : pendente, true, crPendente, lettore);
    lettore.Fine();
}
