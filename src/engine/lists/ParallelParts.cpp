#include "engine/lists/ParallelParts.h"

#include <QThread>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace ParallelParts {

int automatic(qint64 items, qint64 minimumPerPart)
{
    // The processors this program may run on, not those of the machine.
    const int processors = std::max(1, QThread::idealThreadCount());
    const qint64 worth = minimumPerPart > 0 ? items / minimumPerPart : items;
    return int(std::clamp<qint64>(std::min<qint64>(processors, worth), 1, kMaximumParts));
}

void run(int parts, const std::function<void(int part)> &work, const std::function<void()> &meanwhile,
         int intervalMs)
{
    if (parts <= 1) {
        work(0);
        return;
    }
    std::vector<std::exception_ptr> errors(static_cast<std::size_t>(parts));
    std::mutex mutex;
    std::condition_variable partEnded;
    int running = parts - 1;

    std::vector<std::thread> threads;
    threads.reserve(static_cast<std::size_t>(parts - 1));
    for (int part = 1; part < parts; ++part) {
        threads.emplace_back([&, part] {
            try {
                work(part);
            } catch (...) {
                errors[static_cast<std::size_t>(part)] = std::current_exception();
            }
            const std::lock_guard lock(mutex);
            --running;
            partEnded.notify_all();
        });
    }
    try {
        work(0);
        if (meanwhile) {
            std::unique_lock lock(mutex);
            while (running > 0) {
                partEnded.wait_for(lock, std::chrono::milliseconds(intervalMs));
                lock.unlock();
                meanwhile();
                lock.lock();
            }
        }
    } catch (...) {
        errors[0] = std::current_exception();
    }
    for (std::thread &thread : threads)
        thread.join();
    for (const std::exception_ptr &error : errors) {
        if (error)
            std::rethrow_exception(error);
    }
}

} // namespace ParallelParts
