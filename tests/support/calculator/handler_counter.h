#pragma once
// Counts handler runs and how deeply they nest, so tests and benchmarks can see hidden work.
// It wraps the handlers already bound to a window's or a headless calculator's controls.

#include "calculator/procedures/headless_calculator.h"
#include "widgets/main_window/main_window.h"

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

inline void countHandlers(MainWindow &window)
{
    for (LineEditField *field : window.adapters().fields)
        field->onChange(counted(field->changeHandler()));
    for (ComboList *list : window.adapters().lists)
        list->onChoose(counted(list->chooseHandler()));
}

inline void countHandlers(HeadlessCalculator &calc)
{
    for (const char *name : kBoxNames) {
        HeadlessField *field = calc.field(name);
        field->onChange(counted(field->changeHandler()));
    }
    for (const char *name : {"Telescope", "Ocular", "Ccd", "Binning"}) {
        HeadlessList *list = calc.list(name);
        list->onChoose(counted(list->chooseHandler()));
    }
}

} // namespace vkp2
