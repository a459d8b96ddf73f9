// The path of a plain HTTP request as the page's files are looked up from it: any bytes. What
// it accepts must name a file inside the page's folder: relative, no empty, "." or ".."
// segment, no hidden file, only plain characters, a known kind; and asking for that file by
// its plain path gives the same file.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Controlla.h"
#include "rete/PercorsoPagina.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    const std::string_view percorso(reinterpret_cast<const char*>(dati), dimensione);
    const auto file = FileDaPercorso(percorso);
    if (!file)
        return 0;
    CONTROLLA(!file->empty() && file->front() != '/' && file->back() != '/');
    CONTROLLA(file->find("//") == std::string::npos);
    CONTROLLA(file->find("/.") == std::string::npos && file->front() != '.');
    CONTROLLA(file->find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                      "0123456789-_@./") == std::string::npos);
    CONTROLLA(TipoContenuto(*file) != nullptr);
    if (percorso != "/")
        CONTROLLA(FileDaPercorso("/" + *file) == file);
    return 0;
}
