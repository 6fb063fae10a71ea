#pragma once
// vkp2plan: the planner on the command line. The box values it prints are the headless
// calculator's texts, run as the window would run the same setup; the advice (magnification,
// sampling, resolving limits, critical focal ratio, target fit, the D a goal needs) is the
// planner engine's (planner/advice.h, planner/solve_setup.h).

#include <QByteArray>
#include <QLocale>
#include <QStringList>

namespace vkp2::cli {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitCalculatorMessage = 1; // completed, but the calculator showed a message
inline constexpr int kExitFailed = 1;             // nothing found, nothing imported, nothing written
inline constexpr int kExitUsage = 2;             // bad input; nothing written to standard output
inline constexpr int kExitOutput = 3;            // the output could not be written

struct Result {
    int status = kExitOk;
    QByteArray out; // standard output, complete
    QByteArray err; // standard error
};

// Runs a command line (without the program name) in-process. Text output and the numbers
// typed in text mode follow `locale`; CSV and JSON use a dot. The calculator itself reads and
// writes its boxes in QLocale()'s default, which this never changes.
Result run(const QStringList &args, const QLocale &locale = QLocale());

} // namespace vkp2::cli
