#include "convert/RunEach.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

void RunEach(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& work,
             const std::function<bool(std::size_t)>& tick)
{
    std::atomic<std::size_t> next{0};
    std::atomic<bool> skip{false};
    std::size_t done = 0;
    std::mutex lock;
    std::condition_variable finished;
    auto worker = [&] {
        for (;;) {
            const std::size_t index = next++;
            if (index >= count || skip)
                return;
            work(index);
            const std::lock_guard<std::mutex> hold(lock);
            ++done;
            finished.notify_one();
        }
    };
    const std::size_t helpers = std::min<std::size_t>(std::max(threads, 1u), count);
    std::vector<std::thread> pool;
    for (std::size_t started = 0; started < helpers; ++started)
        pool.emplace_back(worker);
    std::unique_lock<std::mutex> hold(lock);
    while (done < count && !skip) {
        const std::size_t now = done;
        hold.unlock();
        if (!tick(now))
            skip = true;
        hold.lock();
        finished.wait_for(hold, std::chrono::milliseconds(100));
    }
    hold.unlock();
    for (std::thread& thread : pool)
        thread.join();
    tick(done);
}
