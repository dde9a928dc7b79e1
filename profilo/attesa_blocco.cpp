#include "profilo/attesa_blocco.h"

#include "profilo/descrittore.h"

#include <cerrno>
#include <condition_variable>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <pthread.h>
#include <sys/file.h>
#include <system_error>
#include <thread>

// The waiter blocks in the kernel rather than retrying now and then. When a process that
// saves in a loop lets go, the blocked waiters are woken at that instant and one of them
// takes its turn; a waiter that only retried every few milliseconds would nearly always
// find the lock taken again, and run out of time behind a busy neighbour.
//
// flock has no timeout, so the blocking call runs in a helper thread and the caller waits
// on a condition variable until the deadline. The alternatives were weighed: a timer
// signal to interrupt the call needs a signal handler of ours in every program that links
// the library; and POSIX or open-file-description locks (F_OFD_SETLKW) lock a folder only
// for reading. A helper whose caller stopped waiting stays blocked until the holder lets
// go, then releases the lock at once and ends.

namespace {

struct Attesa {
    std::mutex mutex;
    std::condition_variable finita;
    bool conclusa = false;
    bool presa = false;
    bool abbandonata = false;
};

void Aspetta(const std::shared_ptr<Attesa>& attesa, const Descrittore& copia, int tipo) {
    int esito = 0;
    do {
        esito = ::flock(copia.Numero(), tipo);
    } while (esito != 0 && errno == EINTR);
    const std::lock_guard<std::mutex> guardia(attesa->mutex);
    if (esito == 0 && attesa->abbandonata) {
        ::flock(copia.Numero(), LOCK_UN);
    }
    attesa->presa = esito == 0;
    attesa->conclusa = true;
    attesa->finita.notify_one();
}

} // namespace

bool PrendiBlocco(int descrittore, int tipo, std::chrono::steady_clock::time_point limite) {
    if (::flock(descrittore, tipo | LOCK_NB) == 0) {
        return true;
    }
    if (errno != EWOULDBLOCK) {
        return false;
    }
    // The same open file description: the lock the helper takes is the caller's.
    Descrittore copia(::fcntl(descrittore, F_DUPFD_CLOEXEC, 0));
    if (!copia.Aperto()) {
        return false;
    }
    auto attesa = std::make_shared<Attesa>();
    // Signals for the process go to the caller's threads, never to the helper.
    sigset_t tutti;
    sigset_t prima;
    sigfillset(&tutti);
    ::pthread_sigmask(SIG_SETMASK, &tutti, &prima);
    try {
        std::thread(Aspetta, attesa, std::move(copia), tipo).detach();
    } catch (const std::system_error&) {
        ::pthread_sigmask(SIG_SETMASK, &prima, nullptr);
        return false;
    }
    ::pthread_sigmask(SIG_SETMASK, &prima, nullptr);
    std::unique_lock<std::mutex> guardia(attesa->mutex);
    if (!attesa->finita.wait_until(guardia, limite, [&] { return attesa->conclusa; })) {
        attesa->abbandonata = true;
        return false;
    }
    return attesa->presa;
}
