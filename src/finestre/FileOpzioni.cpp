#include "finestre/FileOpzioni.h"

#include "comune/Testo.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr std::string_view kMarcaUTF8 = "\xEF\xBB\xBF";

// Each key with the text after its first "=", in file order.
std::vector<std::pair<std::string_view, std::string_view>> Righe(std::string_view testo) {
    std::vector<std::pair<std::string_view, std::string_view>> righe;
    while (!testo.empty()) {
        const std::size_t fine = testo.find('\n');
        std::string_view riga = testo.substr(0, fine);
        testo.remove_prefix(fine == std::string_view::npos ? testo.size() : fine + 1);
        if (riga.ends_with('\r')) {
            riga.remove_suffix(1);
        }
        const std::size_t uguale = riga.find('=');
        if (uguale != std::string_view::npos) {
            righe.emplace_back(riga.substr(0, uguale), riga.substr(uguale + 1));
        }
    }
    return righe;
}

// A decimal integer, optionally signed and surrounded by blanks; one too large for any range
// saturates, so that it is still brought within its range.
std::optional<long long> Intero(std::string_view testo) {
    const auto blanco = [](char c) { return c == ' ' || c == '\t'; };
    while (!testo.empty() && blanco(testo.front())) {
        testo.remove_prefix(1);
    }
    while (!testo.empty() && blanco(testo.back())) {
        testo.remove_suffix(1);
    }
    bool negativo = false;
    if (!testo.empty() && (testo.front() == '+' || testo.front() == '-')) {
        negativo = testo.front() == '-';
        testo.remove_prefix(1);
    }
    if (testo.empty() ||
        !std::all_of(testo.begin(), testo.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    constexpr long long kTetto = 1'000'000'000'000LL;
    long long valore = 0;
    for (char c : testo) {
        valore = std::min(kTetto, valore * 10 + (c - '0'));
    }
    return negativo ? -valore : valore;
}

// A text as one line of the file holds it: a stray CR left inside a line reads, and is written,
// as a blank, so that what is read is always what is written back.
std::string SenzaACapo(std::string testo) {
    std::replace_if(
        testo.begin(), testo.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return testo;
}

class Valori {
public:
    explicit Valori(std::string_view testo) : righe(Righe(testo)) {}

    // The value of the first line with the key; nothing when missing or empty.
    std::optional<std::string> Testo(std::string_view chiave) const {
        const auto riga = std::find_if(righe.begin(), righe.end(),
                                       [&](const auto& r) { return r.first == chiave; });
        if (riga == righe.end() || riga->second.empty()) {
            return std::nullopt;
        }
        return SenzaACapo(std::string(riga->second));
    }

    long long Numero(std::string_view chiave, long long predefinito, long long minimo,
                     long long massimo) const {
        const auto testo = Testo(chiave);
        const auto numero = testo ? Intero(*testo) : std::nullopt;
        return numero ? std::clamp(*numero, minimo, massimo) : predefinito;
    }

private:
    std::vector<std::pair<std::string_view, std::string_view>> righe;
};

} // namespace

ValoriOpzioni LeggiOpzioni(std::string_view byte) {
    if (byte.starts_with(kMarcaUTF8)) {
        byte.remove_prefix(kMarcaUTF8.size());
    }
    const std::string testo = DecodificaTesto(byte);
    const Valori file(testo);

    ValoriOpzioni valori;
    for (std::size_t i = 0; i < valori.nomi.size(); ++i) {
        valori.nomi[i] = file.Testo("Nome" + std::to_string(i + 1)).value_or(valori.nomi[i]);
    }
    valori.coloreSfondo = static_cast<std::uint32_t>(
        file.Numero("ColoreSfondo", valori.coloreSfondo, 0, kMassimoColore));
    valori.coloreTesto = static_cast<std::uint32_t>(
        file.Numero("ColoreTesto", valori.coloreTesto, 0, kMassimoColore));
    valori.immagineSfondo = file.Testo("ImmagineSfondo").value_or(valori.immagineSfondo);
    valori.directoryCarte = file.Testo("DirectoryCarte").value_or(valori.directoryCarte);
    valori.puntiMonte =
        static_cast<int>(file.Numero("PuntiMonte", valori.puntiMonte, 0, kMassimoPuntiMonte));
    valori.attesaGiocata = static_cast<int>(
        file.Numero("AttesaGiocata", valori.attesaGiocata, 0, kMassimoAttesaGiocata));
    valori.attesaMano =
        static_cast<int>(file.Numero("AttesaMano", valori.attesaMano, 0, kMassimoAttesaMano));
    // Any number but 0 ticks the box; the range only keeps the value small.
    valori.manoAlBuio = file.Numero("ManoAlBuio", 1, -1, 1) != 0;
    valori.carteOrdinate = file.Numero("CarteOrdinate", 1, -1, 1) != 0;
    valori.esperti = file.Numero("Esperti", 0, -1, 1) != 0;
    // A size the menu does not offer shows the table at 100%.
    const long long dimensione = file.Numero("Dimensione", valori.dimensione, -1, 1000);
    if (std::find(kDimensioni.begin(), kDimensioni.end(), dimensione) != kDimensioni.end()) {
        valori.dimensione = static_cast<int>(dimensione);
    }
    valori.lingua = static_cast<int>(file.Numero("Lingua", 0, 0, 2));
    valori.certificatoTls = file.Testo("CertificatoTls").value_or(valori.certificatoTls);
    valori.chiaveTls = file.Testo("ChiaveTls").value_or(valori.chiaveTls);
    return valori;
}

std::string ScriviOpzioni(const ValoriOpzioni& valori) {
    std::string uscita;
    const auto riga = [&](std::string_view chiave, const std::string& valore) {
        uscita.append(chiave).append("=").append(SenzaACapo(valore)).append("\r\n");
    };
    for (std::size_t i = 0; i < valori.nomi.size(); ++i) {
        riga("Nome" + std::to_string(i + 1), valori.nomi[i]);
    }
    riga("ColoreSfondo", std::to_string(valori.coloreSfondo));
    riga("ColoreTesto", std::to_string(valori.coloreTesto));
    riga("ImmagineSfondo", valori.immagineSfondo);
    riga("DirectoryCarte", valori.directoryCarte);
    riga("PuntiMonte", std::to_string(valori.puntiMonte));
    riga("AttesaGiocata", std::to_string(valori.attesaGiocata));
    riga("AttesaMano", std::to_string(valori.attesaMano));
    riga("ManoAlBuio", valori.manoAlBuio ? "1" : "0");
    riga("CarteOrdinate", valori.carteOrdinate ? "1" : "0");
    if (valori.esperti) {
        riga("Esperti", "1");
    }
    if (valori.dimensione != 100) {
        riga("Dimensione", std::to_string(valori.dimensione));
    }
    if (valori.lingua != 0) {
        riga("Lingua", std::to_string(valori.lingua));
    }
    if (!valori.certificatoTls.empty() || !valori.chiaveTls.empty()) {
        riga("CertificatoTls", valori.certificatoTls);
        riga("ChiaveTls", valori.chiaveTls);
    }
    return uscita;
}
