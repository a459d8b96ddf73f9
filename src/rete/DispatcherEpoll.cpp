#include "rete/DispatcherEpoll.h"

#include <poll.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimerEvent>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>

#include "comune/Errore.h"

namespace {

constexpr qint64 kNsPerMs = 1000 * 1000;
constexpr qint64 kNsPerSecondo = 1000 * kNsPerMs;
// Ready sockets taken per pass; the others stay ready and come at the next.
constexpr int kEventiPerPasso = 256;

// What a socket of each notifier type is watched for, and what wakes that notifier: a hang-up
// or an error wakes them all, as in Qt's own loop, so that the socket learns of it.
constexpr std::uint32_t kInteresse[3] = {EPOLLIN, EPOLLOUT, EPOLLPRI};
constexpr std::uint32_t kSveglia[3] = {
    EPOLLIN | EPOLLHUP | EPOLLERR, EPOLLOUT | EPOLLHUP | EPOLLERR, EPOLLPRI | EPOLLHUP | EPOLLERR};

// The interval actually kept for a kind of timer: a very coarse one keeps whole seconds, and a
// coarse one of 20 s or more becomes very coarse; the others fire on the millisecond (which is
// within the 5% a coarse timer allows).
qint64 IntervalloNs(qint64 intervalloMs, Qt::TimerType tipo) {
    if (tipo == Qt::VeryCoarseTimer || (tipo == Qt::CoarseTimer && intervalloMs >= 20000)) {
        return (intervalloMs + 500) / 1000 * kNsPerSecondo;
    }
    return intervalloMs * kNsPerMs;
}

// Runs on however the event's delivery ends, exceptions included.
template <typename F>
class AllaFine {
public:
    explicit AllaFine(F f) : f(f) {}
    ~AllaFine() { f(); }
    AllaFine(const AllaFine&) = delete;
    AllaFine& operator=(const AllaFine&) = delete;

private:
    F f;
};

} // namespace

DispatcherEpoll::DispatcherEpoll(QObject* padre) : QAbstractEventDispatcher(padre) {
    epoll_ = ::epoll_create1(EPOLL_CLOEXEC);
    sveglia_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    epoll_event evento{};
    evento.events = EPOLLIN;
    evento.data.fd = sveglia_;
    if (epoll_ < 0 || sveglia_ < 0 || ::epoll_ctl(epoll_, EPOLL_CTL_ADD, sveglia_, &evento) != 0) {
        const std::string motivo = std::strerror(errno);
        if (epoll_ >= 0) {
            ::close(epoll_);
        }
        if (sveglia_ >= 0) {
            ::close(sveglia_);
        }
        throw Errore("Impossibile preparare il ciclo degli eventi (epoll): " + motivo);
    }
}

DispatcherEpoll::~DispatcherEpoll() {
    ::close(sveglia_);
    ::close(epoll_);
}

qint64 DispatcherEpoll::Adesso() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool DispatcherEpoll::processEvents(QEventLoop::ProcessEventsFlags flags) {
    interrotto_.store(false);
    emit awake();
    QCoreApplication::sendPostedEvents();

    const bool conTimer = !flags.testFlag(QEventLoop::X11ExcludeTimers);
    const bool conSocket = !flags.testFlag(QEventLoop::ExcludeSocketNotifiers);
    const bool puoAttendere = flags.testFlag(QEventLoop::WaitForMoreEvents) && !interrotto_.load();
    if (puoAttendere) {
        emit aboutToBlock();
    }
    // Asked to stop while the posted events were delivered: back to the loop before waiting.
    if (interrotto_.load()) {
        return false;
    }
    const int attesa = !puoAttendere ? 0 : conTimer ? AttesaTimer(Adesso()) : -1;
    int eventi = Aspetta(attesa, conSocket);
    if (conSocket) {
        eventi += AttivaNotifier();
    }
    if (conTimer) {
        eventi += AttivaTimer();
    }
    return eventi > 0;
}

int DispatcherEpoll::Aspetta(int attesaMs, bool conSocket) {
    bool svegliata = false;
    if (conSocket) {
        epoll_event eventi[kEventiPerPasso];
        const int n = ::epoll_wait(epoll_, eventi, kEventiPerPasso, attesaMs);
        // Ready sockets already waiting in a nested pass are not told twice.
        const std::size_t giaPronti = pronti_.size();
        for (int i = 0; i < n; ++i) {
            if (eventi[i].data.fd == sveglia_) {
                svegliata = true;
            } else {
                SegnaPronti(eventi[i].data.fd, eventi[i].events, giaPronti);
            }
        }
    } else {
        // The sockets, still ready, would end every wait: only the wake-ups are waited for.
        pollfd sveglia{sveglia_, POLLIN, 0};
        svegliata = ::poll(&sveglia, 1, attesaMs) > 0;
    }
    if (!svegliata) {
        return 0;
    }
    // Cleared before it is read: a wake-up from now on writes again and ends the next wait.
    svegliato_.store(false);
    std::uint64_t conteggio = 0;
    [[maybe_unused]] const auto letti = ::read(sveglia_, &conteggio, sizeof conteggio);
    return 1;
}

void DispatcherEpoll::SegnaPronti(int fd, std::uint32_t eventi, std::size_t giaPronti) {
    const auto trovato = descrittori_.find(fd);
    if (trovato == descrittori_.end()) {
        return;
    }
    for (int tipo = 0; tipo < 3; ++tipo) {
        QSocketNotifier* notifier = trovato->second.notifier[tipo];
        if (notifier == nullptr || (eventi & kSveglia[tipo]) == 0) {
            continue;
        }
        const auto fine = pronti_.begin() + static_cast<std::ptrdiff_t>(giaPronti);
        if (std::find(pronti_.begin(), fine, notifier) == fine) {
            pronti_.push_back(notifier);
        }
    }
}

int DispatcherEpoll::AttivaNotifier() {
    int attivati = 0;
    // By index: a handler may run a nested pass, which tells the rest and empties the list.
    for (std::size_t i = 0; i < pronti_.size(); ++i) {
        QSocketNotifier* notifier = std::exchange(pronti_[i], nullptr);
        if (notifier == nullptr) {
            continue;
        }
        QEvent evento(QEvent::SockAct);
        QCoreApplication::sendEvent(notifier, &evento);
        ++attivati;
    }
    pronti_.clear();
    return attivati;
}

void DispatcherEpoll::registerSocketNotifier(QSocketNotifier* notifier) {
    const int fd = static_cast<int>(notifier->socket());
    Descrittore& descrittore = descrittori_[fd];
    descrittore.notifier[static_cast<int>(notifier->type())] = notifier;
    Aggiorna(fd, descrittore, true);
}

void DispatcherEpoll::unregisterSocketNotifier(QSocketNotifier* notifier) {
    std::replace(pronti_.begin(), pronti_.end(), notifier, static_cast<QSocketNotifier*>(nullptr));
    const int fd = static_cast<int>(notifier->socket());
    const auto trovato = descrittori_.find(fd);
    if (trovato == descrittori_.end()) {
        return;
    }
    QSocketNotifier*& registrato = trovato->second.notifier[static_cast<int>(notifier->type())];
    if (registrato == notifier) {
        registrato = nullptr;
        Aggiorna(fd, trovato->second, false);
    }
}

void DispatcherEpoll::Aggiorna(int fd, Descrittore& descrittore, bool nuovo) {
    std::uint32_t interesse = 0;
    for (int tipo = 0; tipo < 3; ++tipo) {
        interesse |= descrittore.notifier[tipo] != nullptr ? kInteresse[tipo] : 0;
    }
    if (interesse == 0) {
        // Nothing left to watch: out of the set, or a hang-up would end every wait. Already out
        // when the descriptor was closed first.
        ::epoll_ctl(epoll_, EPOLL_CTL_DEL, fd, nullptr);
        descrittori_.erase(fd);
        return;
    }
    // A new notifier always reaches the kernel: the descriptor may have been closed and its
    // number given to a new socket since the set last heard of it.
    if (interesse == descrittore.eventi && !nuovo) {
        return;
    }
    epoll_event evento{};
    evento.events = interesse;
    evento.data.fd = fd;
    int esito =
        ::epoll_ctl(epoll_, descrittore.eventi == 0 ? EPOLL_CTL_ADD : EPOLL_CTL_MOD, fd, &evento);
    if (esito != 0 && (errno == ENOENT || errno == EEXIST)) {
        esito = ::epoll_ctl(epoll_, errno == ENOENT ? EPOLL_CTL_ADD : EPOLL_CTL_MOD, fd, &evento);
    }
    if (esito != 0) {
        qWarning("DispatcherEpoll: il descrittore %d non si può sorvegliare: %s", fd,
                 std::strerror(errno));
        return;
    }
    descrittore.eventi = interesse;
}

void DispatcherEpoll::registerTimer(int timerId, qint64 interval, Qt::TimerType timerType,
                                    QObject* object) {
    unregisterTimer(timerId);
    Timer timer{interval, timerType, object, 0, ++prossimaGenerazione_};
    timer.scadenza = Adesso() + IntervalloNs(interval, timerType);
    scadenze_.emplace(timer.scadenza, timerId);
    timer_.emplace(timerId, timer);
}

bool DispatcherEpoll::unregisterTimer(int timerId) {
    const auto trovato = timer_.find(timerId);
    if (trovato == timer_.end()) {
        return false;
    }
    scadenze_.erase({trovato->second.scadenza, timerId});
    timer_.erase(trovato);
    return true;
}

bool DispatcherEpoll::unregisterTimers(QObject* object) {
    std::vector<int> suoi;
    for (const auto& [id, timer] : timer_) {
        if (timer.oggetto == object) {
            suoi.push_back(id);
        }
    }
    for (const int id : suoi) {
        unregisterTimer(id);
    }
    return !suoi.empty();
}

QList<QAbstractEventDispatcher::TimerInfo>
DispatcherEpoll::registeredTimers(QObject* object) const {
    QList<TimerInfo> suoi;
    for (const auto& [id, timer] : timer_) {
        if (timer.oggetto == object) {
            suoi.append(TimerInfo(id, static_cast<int>(timer.intervallo), timer.tipo));
        }
    }
    return suoi;
}

int DispatcherEpoll::remainingTime(int timerId) {
    const auto trovato = timer_.find(timerId);
    if (trovato == timer_.end()) {
        return -1;
    }
    const qint64 restano = std::max<qint64>(0, trovato->second.scadenza - Adesso());
    return static_cast<int>((restano + kNsPerMs - 1) / kNsPerMs);
}

int DispatcherEpoll::AttesaTimer(qint64 adesso) const {
    for (const auto& [scadenza, id] : scadenze_) {
        // A timer whose event is being delivered does not shorten a nested wait.
        if (timer_.at(id).attivo) {
            continue;
        }
        const qint64 restano = std::max<qint64>(0, scadenza - adesso);
        // Rounded up: a wait that ends early only costs another pass.
        return static_cast<int>(std::min<qint64>((restano + kNsPerMs - 1) / kNsPerMs, 1 << 30));
    }
    return -1;
}

void DispatcherEpoll::Pianifica(int id, Timer& timer, qint64 adesso) {
    scadenze_.erase({timer.scadenza, id});
    const qint64 intervallo = IntervalloNs(timer.intervallo, timer.tipo);
    timer.scadenza += intervallo;
    // Behind (a long handler, a stopped process): the next is one interval from now, the
    // missed ones are not made up.
    if (timer.scadenza < adesso) {
        timer.scadenza = adesso + intervallo;
    }
    scadenze_.emplace(timer.scadenza, id);
}

int DispatcherEpoll::AttivaTimer() {
    const qint64 adesso = Adesso();
    // The timers due now; those a handler starts wait for the next pass.
    std::vector<std::pair<int, std::uint64_t>> dovuti;
    for (auto it = scadenze_.begin(); it != scadenze_.end() && it->first <= adesso; ++it) {
        dovuti.emplace_back(it->second, timer_.at(it->second).generazione);
    }
    int attivati = 0;
    for (const auto& [id, generazione] : dovuti) {
        const auto trovato = timer_.find(id);
        if (trovato == timer_.end() || trovato->second.generazione != generazione ||
            trovato->second.attivo) {
            continue;
        }
        // Rescheduled before its event: the handler may stop it or start it again.
        Pianifica(id, trovato->second, adesso);
        trovato->second.attivo = true;
        QObject* oggetto = trovato->second.oggetto;
        const AllaFine fine([this, id = id, generazione = generazione] {
            const auto ancora = timer_.find(id);
            if (ancora != timer_.end() && ancora->second.generazione == generazione) {
                ancora->second.attivo = false;
            }
        });
        QTimerEvent evento(id);
        QCoreApplication::sendEvent(oggetto, &evento);
        ++attivati;
    }
    return attivati;
}

void DispatcherEpoll::wakeUp() {
    if (!svegliato_.exchange(true)) {
        const std::uint64_t uno = 1;
        [[maybe_unused]] const auto scritti = ::write(sveglia_, &uno, sizeof uno);
    }
}

void DispatcherEpoll::interrupt() {
    interrotto_.store(true);
    wakeUp();
}
