#pragma once
// Counts handler runs and how deeply they nest, so tests and benchmarks can see hidden work.
// Give countHandlers to a window or a headless calculator as it is built: every control's handler
// is wrapped where it is bound, the start-up runs included.

#include "calculator/toolkit/controls.h"

#include <string_view>

namespace vkp2 {

struct HandlerStats {
    long runs = 0;
    int depth = 0;
    int deepest = 0;
    void reset() { *this = {}; }
};

inline HandlerStats &handlerStats()
{
    static HandlerStats stats;
    return stats;
}

inline Handler counted(Handler handler)
{
    if (!handler)
        return {};
    return [handler = std::move(handler)] {
        HandlerStats &stats = handlerStats();
        ++stats.runs;
        if (++stats.depth > stats.deepest)
            stats.deepest = stats.depth;
        handler();
        --stats.depth;
    };
}

// A HandlerDecorator that counts every control's handler alike.
inline Handler countHandlers(std::string_view /*control*/, Handler handler)
{
    return counted(std::move(handler));
}

} // namespace vkp2
