#include "comune/ScritturaAtomica.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>

namespace fs = std::filesystem;

namespace {

// The file a name stands for once every symbolic link on the way is followed; nothing for a
// loop of links.
std::optional<fs::path> Destinazione(const std::string& percorso) {
    fs::path p(percorso);
    for (int salti = 0; salti < 40; ++salti) {
        struct stat stato {};
        if (::lstat(p.c_str(), &stato) != 0 || !S_ISLNK(stato.st_mode)) {
            return p;
        }
        std::error_code errore;
        const fs::path collegato = fs::read_symlink(p, errore);
        if (errore) {
            return std::nullopt;
        }
        p = collegato.is_absolute() ? collegato : p.parent_path() / collegato;
    }
    return std::nullopt;
}

bool ScriviTutto(int fd, std::string_view byte) {
    while (!byte.empty()) {
        const ssize_t scritti = ::write(fd, byte.data(), byte.size());
        if (scritti < 0 && errno == EINTR) {
            continue;
        }
        if (scritti <= 0) {
            return false;
        }
        byte.remove_prefix(static_cast<std::size_t>(scritti));
    }
    return true;
}

// A short name of its own, whatever the length of the target's: a target name of 255 bytes
// leaves no room for a suffix.
std::string NomeTemporaneo(int tentativo) {
    static std::uint64_t contatore = 0;
    std::uint64_t x =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        (static_cast<std::uint64_t>(::getpid()) << 32) ^ ++contatore ^
        static_cast<std::uint64_t>(tentativo);
    // A mix of the bits (splitmix64), so that near values give unrelated names.
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    x ^= x >> 31;
    std::array<char, 40> nome{};
    std::snprintf(nome.data(), nome.size(), ".pentaludo-%016llx.tmp",
                  static_cast<unsigned long long>(x));
    return nome.data();
}

} // namespace

bool ScriviFileAtomico(const std::string& percorso, std::string_view byte) {
    if (percorso.empty()) {
        return false;
    }
    const auto destinazione = Destinazione(percorso);
    if (!destinazione) {
        return false;
    }
    struct stat stato {};
    bool esiste = ::stat(destinazione->c_str(), &stato) == 0;
    if (esiste && !S_ISREG(stato.st_mode)) {
        return false;
    }
    if (!esiste && errno != ENOENT) {
        return false;
    }
    const fs::path cartella =
        destinazione->has_parent_path() ? destinazione->parent_path() : fs::path(".");

    fs::path temporaneo;
    int fd = -1;
    for (int tentativo = 0; tentativo < 100 && fd < 0; ++tentativo) {
        temporaneo = cartella / NomeTemporaneo(tentativo);
        // A new file gets the permissions the user's umask gives; a replaced one keeps its own.
        fd = ::open(temporaneo.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                    esiste ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST) {
            return false;
        }
    }
    if (fd < 0) {
        return false;
    }
    bool riuscito = true;
    if (esiste) {
        // The owner can be kept only by the superuser; a file that changes hands is still
        // better than no save.
        if (stato.st_uid != ::geteuid() || stato.st_gid != ::getegid()) {
            [[maybe_unused]] const int ignorato = ::fchown(fd, stato.st_uid, stato.st_gid);
        }
        riuscito = ::fchmod(fd, stato.st_mode & 07777) == 0;
    }
    riuscito = riuscito && ScriviTutto(fd, byte) && ::fsync(fd) == 0;
    riuscito = ::close(fd) == 0 && riuscito;
    riuscito = riuscito && ::rename(temporaneo.c_str(), destinazione->c_str()) == 0;
    if (!riuscito) {
        ::unlink(temporaneo.c_str());
        return false;
    }
    // The rename itself reaches the disk with the folder.
    const int fdCartella = ::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fdCartella >= 0) {
        ::fsync(fdCartella);
        ::close(fdCartella);
    }
    return true;
}
