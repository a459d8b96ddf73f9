#pragma once

#include <QAbstractEventDispatcher>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <set>
#include <unordered_map>
#include <utility>
#include <vector>

class QSocketNotifier;

// A thread's event loop on Linux epoll, for a server with thousands of sockets: Qt's own loop
// hands the kernel every socket on every pass, so its cost grows with the connections open;
// here the kernel keeps the set and each pass costs what is ready. Sockets are watched level-
// triggered (a notifier fires as long as its socket is ready, as with Qt's loop); wake-ups from
// other threads (posted events, the workers' results) come through an eventfd; timers are kept
// here by deadline. Install it before the thread's loop starts: for the main thread with
// QCoreApplication::setEventDispatcher before the application object, for another with
// QThread::setEventDispatcher before start(). Raises Errore when epoll cannot be had.
class DispatcherEpoll final : public QAbstractEventDispatcher {
    Q_OBJECT
public:
    explicit DispatcherEpoll(QObject* padre = nullptr);
    ~DispatcherEpoll() override;

    bool processEvents(QEventLoop::ProcessEventsFlags flags) override;

    void registerSocketNotifier(QSocketNotifier* notifier) override;
    void unregisterSocketNotifier(QSocketNotifier* notifier) override;

    void registerTimer(int timerId, qint64 interval, Qt::TimerType timerType,
                       QObject* object) override;
    bool unregisterTimer(int timerId) override;
    bool unregisterTimers(QObject* object) override;
    QList<TimerInfo> registeredTimers(QObject* object) const override;
    int remainingTime(int timerId) override;

    // Both may be called from any thread.
    void wakeUp() override;
    void interrupt() override;

private:
    // The notifiers of one file descriptor, by type (read, write, exception).
    struct Descrittore {
        QSocketNotifier* notifier[3] = {nullptr, nullptr, nullptr};
        std::uint32_t eventi = 0;
    };
    struct Timer {
        qint64 intervallo;
        Qt::TimerType tipo;
        QObject* oggetto;
        // On the monotonic clock, in nanoseconds.
        qint64 scadenza;
        // Tells a timer apart from a later one given the same id during a pass.
        std::uint64_t generazione;
        // Its event is being delivered: a nested loop does not deliver it again.
        bool attivo = false;
    };

    int epoll_ = -1;
    int sveglia_ = -1;
    std::atomic<bool> svegliato_{false};
    std::atomic<bool> interrotto_{false};
    std::unordered_map<int, Descrittore> descrittori_;
    // Notifiers ready in this pass, still to be told; one unregistered meanwhile is cleared.
    std::vector<QSocketNotifier*> pronti_;
    std::unordered_map<int, Timer> timer_;
    // Deadline and id of every timer, soonest first.
    std::set<std::pair<qint64, int>> scadenze_;
    std::uint64_t prossimaGenerazione_ = 0;

    static qint64 Adesso();
    // The kernel's set told of the descriptor's notifiers (always, for a new one).
    void Aggiorna(int fd, Descrittore& descrittore, bool nuovo);
    // Milliseconds until the next timer is due (0: one is), -1 with no timer.
    int AttesaTimer(qint64 adesso) const;
    // The wait of this pass: 0 without waiting, -1 until something happens.
    int Attesa(QEventLoop::ProcessEventsFlags flags, bool conTimer);
    int Aspetta(int attesaMs, bool conSocket);
    void SegnaPronti(int fd, std::uint32_t eventi, std::size_t giaPronti);
    int AttivaNotifier();
    int AttivaTimer();
    void Pianifica(int id, Timer& timer, qint64 da);
};
