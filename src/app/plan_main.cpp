// vkp2plan: the planner on the command line. Everything but the process plumbing is in
// src/cli/, which the tests link.

#include "cli/commands.h"
#include "cli/messages.h"
#include "planner/language.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>

namespace {

bool writeAll(std::FILE *stream, const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return true;
    return std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream)
               == std::size_t(bytes.size())
           && std::fflush(stream) == 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // Words follow the user's language; CSV and JSON keys do not.
    const vkp2::planner::Language language(
        QLocale::system(), {vkp2::planner::catalogues::kEngine, vkp2::planner::catalogues::kCommandLine});
    const vkp2::cli::Result result = vkp2::cli::run(app.arguments().mid(1), QLocale::system());
    // The whole output is ready before anything is written, so bad input never leaves half a file.
    const bool written = writeAll(stdout, result.out);
    writeAll(stderr, result.err);
    if (!written) {
        std::fputs(vkp2::cli::outputFailed().constData(), stderr);
        return vkp2::cli::kExitOutput;
    }
    return result.status;
}
