#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QAbstractEventDispatcher>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTest>
#include <QThread>
#include <QThreadPool>
#include <QTimer>
#include <atomic>
#include <memory>
#include <thread>

#include "rete/DispatcherEpoll.h"

namespace {

// Two connected local sockets, closed at the end.
struct Coppia {
    int a = -1;
    int b = -1;
    Coppia() {
        int fd[2];
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, fd) == 0) {
            a = fd[0];
            b = fd[1];
        }
    }
    ~Coppia() { Chiudi(); }
    void Chiudi() {
        if (a >= 0) {
            ::close(a);
        }
        if (b >= 0) {
            ::close(b);
        }
        a = b = -1;
    }
    bool Scrivi() const { return ::write(b, "x", 1) == 1; }
    void Leggi() const {
        char c[16];
        while (::read(a, c, sizeof c) > 0) {
        }
    }
};

QAbstractEventDispatcher& Ciclo() {
    return *QAbstractEventDispatcher::instance();
}

// Passes of the loop that do not wait.
void Passi(int n) {
    for (int i = 0; i < n; ++i) {
        Ciclo().processEvents(QEventLoop::AllEvents);
    }
}

bool Attendi(const std::function<bool()>& condizione) {
    return QTest::qWaitFor(condizione, 5000);
}

} // namespace

TEST(DispatcherEpoll, ITestDiReteGiranoSulCicloDelServer) {
    EXPECT_NE(dynamic_cast<DispatcherEpoll*>(&Ciclo()), nullptr);
}

TEST(DispatcherEpoll, UnNotifierSuonaFincheIlSocketEProntoESoloSeAbilitato) {
    Coppia coppia;
    ASSERT_GE(coppia.a, 0);
    QSocketNotifier lettura(coppia.a, QSocketNotifier::Read);
    int letture = 0;
    QObject::connect(&lettura, &QSocketNotifier::activated, [&] { ++letture; });
    Passi(5);
    EXPECT_EQ(letture, 0);

    ASSERT_TRUE(coppia.Scrivi());
    ASSERT_TRUE(Attendi([&] { return letture > 0; }));
    // Not read, it keeps ringing, as with Qt's own loop.
    int prima = letture;
    Passi(3);
    EXPECT_EQ(letture, prima + 3);
    lettura.setEnabled(false);
    prima = letture;
    Passi(3);
    EXPECT_EQ(letture, prima);
    lettura.setEnabled(true);
    Passi(2);
    EXPECT_EQ(letture, prima + 2);
    coppia.Leggi();
    prima = letture;
    Passi(3);
    EXPECT_EQ(letture, prima);

    // A read and a write notifier on one descriptor go on and off each on its own.
    QSocketNotifier scrittura(coppia.a, QSocketNotifier::Write);
    int scritture = 0;
    QObject::connect(&scrittura, &QSocketNotifier::activated, [&] { ++scritture; });
    Passi(2);
    EXPECT_EQ(scritture, 2);
    EXPECT_EQ(letture, prima);
    ASSERT_TRUE(coppia.Scrivi());
    scrittura.setEnabled(false);
    Passi(2);
    EXPECT_EQ(scritture, 2);
    EXPECT_EQ(letture, prima + 2);
    lettura.setEnabled(false);
    scrittura.setEnabled(true);
    Passi(2);
    EXPECT_EQ(scritture, 4);
    EXPECT_EQ(letture, prima + 2);
}

TEST(DispatcherEpoll, UnNotifierToltoDaUnAltroNellaStessaPassataNonSuona) {
    Coppia prima;
    Coppia seconda;
    auto uno = std::make_unique<QSocketNotifier>(prima.a, QSocketNotifier::Read);
    auto due = std::make_unique<QSocketNotifier>(seconda.a, QSocketNotifier::Read);
    int suonati = 0;
    // Whichever rings first deletes the other, which is ready in the same pass.
    QObject::connect(uno.get(), &QSocketNotifier::activated, [&] {
        ++suonati;
        due.reset();
        prima.Leggi();
    });
    QObject::connect(due.get(), &QSocketNotifier::activated, [&] {
        ++suonati;
        uno.reset();
        seconda.Leggi();
    });
    ASSERT_TRUE(prima.Scrivi());
    ASSERT_TRUE(seconda.Scrivi());
    ASSERT_TRUE(Attendi([&] { return suonati > 0; }));
    Passi(3);
    EXPECT_EQ(suonati, 1);
}

TEST(DispatcherEpoll, UnDescrittoreChiusoERiusatoDaUnNuovoSocketSuonaPerIlNuovo) {
    auto vecchia = std::make_unique<Coppia>();
    const int numero = vecchia->a;
    QSocketNotifier vecchio(numero, QSocketNotifier::Read);
    // Closed under its notifier: the kernel forgets it, the number is free for the next socket.
    ::close(vecchia->a);
    vecchia->a = -1;
    Coppia nuova;
    ASSERT_EQ(nuova.a, numero);
    QSocketNotifier nuovo(nuova.a, QSocketNotifier::Read);
    int suonati = 0;
    QObject::connect(&nuovo, &QSocketNotifier::activated, [&] {
        ++suonati;
        nuova.Leggi();
    });
    vecchio.setEnabled(false);
    ASSERT_TRUE(nuova.Scrivi());
    EXPECT_TRUE(Attendi([&] { return suonati > 0; }));
}

TEST(DispatcherEpoll, OgniTipoDiTimerSuonaNonPrimaDelTempoEDiceQuantoManca) {
    const struct {
        Qt::TimerType tipo;
        int ms;
    } casi[] = {{Qt::PreciseTimer, 30},
                {Qt::CoarseTimer, 30},
                {Qt::CoarseTimer, 150},
                {Qt::VeryCoarseTimer, 1000}};
    for (const auto& caso : casi) {
        SCOPED_TRACE(std::to_string(caso.tipo) + " " + std::to_string(caso.ms));
        QTimer timer;
        timer.setTimerType(caso.tipo);
        timer.setSingleShot(true);
        bool suonato = false;
        QObject::connect(&timer, &QTimer::timeout, [&] { suonato = true; });
        QElapsedTimer orologio;
        orologio.start();
        timer.start(caso.ms);
        const auto registrati = Ciclo().registeredTimers(&timer);
        ASSERT_EQ(registrati.size(), 1);
        EXPECT_EQ(registrati[0].interval, caso.ms);
        EXPECT_EQ(registrati[0].timerType, caso.tipo);
        EXPECT_GT(timer.remainingTime(), 0);
        EXPECT_LE(timer.remainingTime(), caso.ms);
        ASSERT_TRUE(Attendi([&] { return suonato; }));
        EXPECT_GE(orologio.elapsed(), caso.ms);
        EXPECT_TRUE(Ciclo().registeredTimers(&timer).isEmpty());
    }
}

TEST(DispatcherEpoll, UnTimerRipetutoSiFermaDalSuoGestoreENonRientraInUnCicloAnnidato) {
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    int suonati = 0;
    int dentro = 0;
    int massimoDentro = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++dentro;
        massimoDentro = std::max(massimoDentro, dentro);
        if (++suonati == 1) {
            // A loop inside the handler: the timer is due many times meanwhile.
            QTest::qWait(30);
        }
        if (suonati == 4) {
            timer.stop();
        }
        --dentro;
    });
    timer.start(2);
    ASSERT_TRUE(Attendi([&] { return suonati >= 4; }));
    QTest::qWait(30);
    EXPECT_EQ(suonati, 4);
    EXPECT_EQ(massimoDentro, 1);
}

TEST(DispatcherEpoll, UnTimerFermatoDaUnAltroDovutoNellaStessaPassataNonSuona) {
    auto uno = std::make_unique<QTimer>();
    auto due = std::make_unique<QTimer>();
    int suonati = 0;
    QObject::connect(uno.get(), &QTimer::timeout, [&] {
        ++suonati;
        due.reset();
    });
    QObject::connect(due.get(), &QTimer::timeout, [&] {
        ++suonati;
        uno->stop();
    });
    uno->setSingleShot(true);
    due->setSingleShot(true);
    uno->start(5);
    due->start(5);
    // Both due before the loop looks again.
    QThread::msleep(20);
    ASSERT_TRUE(Attendi([&] { return suonati > 0; }));
    QTest::qWait(20);
    EXPECT_EQ(suonati, 1);
}

TEST(DispatcherEpoll, UnTimerAZeroNonAffamaSocketNeEventiInviati) {
    QTimer zero;
    int giri = 0;
    QObject::connect(&zero, &QTimer::timeout, [&] { ++giri; });
    zero.start(0);
    Coppia coppia;
    QSocketNotifier lettura(coppia.a, QSocketNotifier::Read);
    bool letto = false;
    QObject::connect(&lettura, &QSocketNotifier::activated, [&] {
        letto = true;
        coppia.Leggi();
    });
    bool inviato = false;
    QObject ricevente;
    QMetaObject::invokeMethod(
        &ricevente, [&] { inviato = true; }, Qt::QueuedConnection);
    ASSERT_TRUE(coppia.Scrivi());
    EXPECT_TRUE(Attendi([&] { return letto && inviato; }));
    const int prima = giri;
    Passi(3);
    EXPECT_EQ(giri, prima + 3);
}

TEST(DispatcherEpoll, LeOpzioniDelCicloEscludonoSocketOTimerEDiconoSeSiAttende) {
    Coppia coppia;
    ASSERT_TRUE(coppia.Scrivi());
    QSocketNotifier lettura(coppia.a, QSocketNotifier::Read);
    int letture = 0;
    QObject::connect(&lettura, &QSocketNotifier::activated, [&] { ++letture; });
    int passi = 0;
    int blocchi = 0;
    const auto a = QObject::connect(&Ciclo(), &QAbstractEventDispatcher::awake, [&] { ++passi; });
    const auto b =
        QObject::connect(&Ciclo(), &QAbstractEventDispatcher::aboutToBlock, [&] { ++blocchi; });

    // Sockets left out, the loop waits for the timer, not spinning on the ready socket.
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    bool suonato = false;
    QObject::connect(&timer, &QTimer::timeout, [&] { suonato = true; });
    timer.start(40);
    QElapsedTimer orologio;
    orologio.start();
    while (!suonato && orologio.elapsed() < 5000) {
        Ciclo().processEvents(QEventLoop::ExcludeSocketNotifiers | QEventLoop::WaitForMoreEvents);
    }
    EXPECT_TRUE(suonato);
    EXPECT_EQ(letture, 0);
    EXPECT_LT(passi, 20);
    EXPECT_EQ(blocchi, passi);
    Ciclo().processEvents(QEventLoop::AllEvents);
    EXPECT_EQ(letture, 1);
    EXPECT_EQ(blocchi, passi - 1);

    // Timers left out, a due one waits for a pass that takes them.
    lettura.setEnabled(false);
    suonato = false;
    timer.start(0);
    QThread::msleep(2);
    Ciclo().processEvents(QEventLoop::X11ExcludeTimers);
    EXPECT_FALSE(suonato);
    Ciclo().processEvents(QEventLoop::AllEvents);
    EXPECT_TRUE(suonato);
    QObject::disconnect(a);
    QObject::disconnect(b);
}

TEST(DispatcherEpoll, UnEventoDaUnAltroFiloSvegliaIlCicloInAttesa) {
    // From a plain thread, and from the pool the experts' steps run on.
    for (const bool dalPool : {false, true}) {
        SCOPED_TRACE(dalPool ? "pool" : "filo");
        QEventLoop ciclo;
        QObject ricevente;
        std::atomic<bool> arrivato{false};
        QTimer::singleShot(5000, &ciclo, &QEventLoop::quit);
        const auto lavoro = [&ricevente, &ciclo, &arrivato] {
            QThread::msleep(50);
            QMetaObject::invokeMethod(
                &ricevente,
                [&ciclo, &arrivato] {
                    arrivato = true;
                    ciclo.quit();
                },
                Qt::QueuedConnection);
        };
        std::thread filo;
        if (dalPool) {
            QThreadPool::globalInstance()->start(lavoro);
        } else {
            filo = std::thread(lavoro);
        }
        QElapsedTimer orologio;
        orologio.start();
        ciclo.exec();
        EXPECT_TRUE(arrivato);
        EXPECT_LT(orologio.elapsed(), 4000);
        if (filo.joinable()) {
            filo.join();
        }
        QThreadPool::globalInstance()->waitForDone();
    }
}

TEST(DispatcherEpoll, InterruptDaUnAltroFiloFermaLAttesaDelCiclo) {
    class Filo final : public QThread {
    public:
        std::atomic<bool> pronto{false};
        std::atomic<bool> tornato{false};

    protected:
        void run() override {
            pronto = true;
            eventDispatcher()->processEvents(QEventLoop::WaitForMoreEvents);
            tornato = true;
        }
    };
    Filo filo;
    filo.setEventDispatcher(new DispatcherEpoll);
    filo.start();
    ASSERT_TRUE(Attendi([&] { return filo.pronto.load(); }));
    QThread::msleep(50);
    EXPECT_FALSE(filo.tornato);
    filo.eventDispatcher()->interrupt();
    EXPECT_TRUE(filo.wait(5000));
    EXPECT_TRUE(filo.tornato);
}
