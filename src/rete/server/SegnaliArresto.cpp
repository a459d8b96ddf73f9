#include "SegnaliArresto.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

#include "comune/Errore.h"

namespace {

// The pipe's two ends; only the handler and the notifier's slot touch them.
int tubo[2] = {-1, -1};

extern "C" void SuSegnale(int segnale) {
    const int erroreSalvato = errno;
    const auto byte = static_cast<unsigned char>(segnale);
    [[maybe_unused]] const auto scritti = ::write(tubo[1], &byte, 1);
    errno = erroreSalvato;
}

} // namespace

SegnaliArresto::SegnaliArresto(std::function<void(int)> azione) : azione_(std::move(azione)) {
    if (::pipe2(tubo, O_CLOEXEC | O_NONBLOCK) != 0)
        throw Errore("Impossibile preparare la gestione dei segnali.");
    notificatore_ = std::make_unique<QSocketNotifier>(tubo[0], QSocketNotifier::Read);
    QObject::connect(notificatore_.get(), &QSocketNotifier::activated, [this] {
        unsigned char byte = 0;
        while (::read(tubo[0], &byte, 1) == 1)
            azione_(byte);
    });
    struct sigaction azioneSegnale {};
    azioneSegnale.sa_handler = SuSegnale;
    sigemptyset(&azioneSegnale.sa_mask);
    azioneSegnale.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &azioneSegnale, nullptr);
    ::sigaction(SIGTERM, &azioneSegnale, nullptr);
}

SegnaliArresto::~SegnaliArresto() {
    ::signal(SIGINT, SIG_DFL);
    ::signal(SIGTERM, SIG_DFL);
    notificatore_.reset();
    ::close(tubo[0]);
    ::close(tubo[1]);
    tubo[0] = tubo[1] = -1;
}
