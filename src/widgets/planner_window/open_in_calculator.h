#pragma once
// File > Open in the calculator: the planner's setup written as the calculator's user
// equipment file, then the calculator started on it. A running calculator would write its own
// setup over the file when it closes, so then nothing is written.

#include "planner/setup.h"

#include <QString>

#include <functional>

namespace vkp2::planner_window {

// Starts the calculator program; false with `problem` set when it could not.
using CalculatorStarter = std::function<bool(QString *problem)>;

// vkp2calc beside this program, else on the PATH; empty when there is none.
QString calculatorProgram();
// Starts calculatorProgram() on its own, not as a child of the planner.
bool startCalculator(QString *problem);

struct OpenedInCalculator {
    bool written = false;
    bool started = false;
    QString message; // what to tell the user, either way
};

// Writes `setup` (kit and database entries as "User-Defined" with their values) to the
// calculator's file and starts it with `start`, unless a calculator is running.
OpenedInCalculator openInCalculator(const planner::Setup &setup, const CalculatorStarter &start);

} // namespace vkp2::planner_window
