#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>

// Turns SIGINT and SIGTERM into a call on the event loop's thread: the handler only writes a
// byte to a pipe, which a notifier reads; no Qt call happens inside the handler.
class SegnaliArresto {
public:
    explicit SegnaliArresto(std::function<void(int segnale)> azione);
    ~SegnaliArresto();
    SegnaliArresto(const SegnaliArresto&) = delete;
    SegnaliArresto& operator=(const SegnaliArresto&) = delete;

private:
    std::function<void(int)> azione_;
    std::unique_ptr<QSocketNotifier> notificatore_;
};
