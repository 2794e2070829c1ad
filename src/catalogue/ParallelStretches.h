#pragma once

#include <QtGlobal>
#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

// Runs work(begin, end) over [0, count) cut into stretches of at least `smallest` items, one thread each
// up to the number of cores, and gives the results in order. Where no thread can be started, that
// stretch is worked on here. (Result must not be bool: a vector of bools packs them into shared words.)
template <typename Work> auto InParallelStretches(qsizetype count, qsizetype smallest, Work work) {
    using Result = decltype(work(qsizetype(0), qsizetype(0)));
    const qsizetype cores = std::max(1u, std::thread::hardware_concurrency());
    const qsizetype stretches = std::clamp<qsizetype>(count / std::max<qsizetype>(1, smallest), 1, cores);
    std::vector<Result> results(static_cast<size_t>(stretches));
    const auto run = [&](qsizetype s) {
        results[static_cast<size_t>(s)] = work(count * s / stretches, count * (s + 1) / stretches);
    };
    std::vector<std::thread> threads;
    for (qsizetype s = 1; s < stretches; ++s) {
        try {
            threads.emplace_back(run, s);
        } catch (const std::system_error&) {
            run(s);
        }
    }
    run(0);
    for (std::thread& thread : threads)
        thread.join();
    return results;
}
