#pragma once

// Work cut into blocks, each drawn from its own stream (the base generator jumped once
// per block before it), shared out between threads as they come free. What a block
// draws depends on its number alone, never on the thread that draws it.

#include "core/simulation/generator.h"

#include <QtGlobal>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>
#include <vector>

namespace core::simulation {

// work(block, generator) for every block; the calling thread reports progress between
// its blocks, from `from` to `to`. False when progress said to stop.
template <class Work>
bool forEachBlock(const Generator& base, std::int64_t blocks, int threads,
                  const std::function<bool(double)>& progress, double from, double to,
                  Work&& work) {
    if (threads <= 0) threads = int(std::max(1u, std::thread::hardware_concurrency()));
    threads = int(std::clamp<std::int64_t>(threads, 1, std::max<std::int64_t>(blocks, 1)));
    std::atomic<std::int64_t> next{0}, done{0};
    std::atomic<bool> stop{false};
    const auto drawBlocks = [&](bool reports) {
        Generator stream = base;
        std::int64_t at = 0;  // the stream `stream` stands on
        for (;;) {
            const std::int64_t block = next.fetch_add(1);
            if (block >= blocks || stop.load(std::memory_order_relaxed)) return;
            for (; at < block; ++at) stream.jump();
            Generator g = stream;
            work(block, g);
            const std::int64_t finished = done.fetch_add(1) + 1;
            if (reports && progress &&
                !progress(from + (to - from) * double(finished) / double(blocks)))
                stop = true;
        }
    };
    std::vector<std::thread> helpers;
    for (int i = 1; i < threads; ++i) helpers.emplace_back(drawBlocks, false);
    drawBlocks(true);
    for (std::thread& t : helpers) t.join();
    return !stop;
}

}  // namespace core::simulation
