#pragma once
// vkp2plan: the planner on the command line. The box values it prints are the headless
// calculator's texts, run as the window would run the same setup. The rest (magnification,
// Dawes and Rayleigh limits, critical focal ratio, target sizes in pixels, the D a goal
// needs, the ocular list) is planner advice worked out from those boxes or the preset tables
// by the published formulas.

#include <QByteArray>
#include <QStringList>

namespace vkp2::cli {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitCalculatorMessage = 1; // completed, but the calculator showed a message
inline constexpr int kExitUsage = 2;             // bad input; nothing written to standard output
inline constexpr int kExitOutput = 3;            // the output could not be written

struct Result {
    int status = kExitOk;
    QByteArray out; // standard output, complete
    QByteArray err; // standard error
};

// Runs a command line (without the program name). Sets QLocale's default: the system locale
// for text output, C for CSV and JSON. Needs a QCoreApplication.
Result run(const QStringList &args);

QString helpText();

} // namespace vkp2::cli
