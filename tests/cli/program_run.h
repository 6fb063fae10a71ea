#pragma once
// Running the built vkp2plan for the suites that check exit statuses, streams and the locale:
// in a given home with its own data and settings folders, under LC_ALL=`locale`, with LANGUAGE
// unset so the locale alone picks the language.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace cli_runs {

struct ProgramRun {
    int status = -1; // -1: it did not finish
    QByteArray out, err;
};

inline ProgramRun runProgram(const QString &home, const QStringList &args,
                             const QString &locale = QStringLiteral("C"),
                             const QString &stdoutFile = QString())
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    env.insert(QStringLiteral("LC_ALL"), locale);
    env.remove(QStringLiteral("LANGUAGE"));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(home);
    if (!stdoutFile.isEmpty())
        p.setStandardOutputFile(stdoutFile);
    p.start(QStringLiteral(VKP2PLAN), args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return {};
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

} // namespace cli_runs
