// The floor for start-up: a Qt main window of the calculator's client size with what every
// window of this kind has: a menu bar with one entry and a status bar with a status text, the
// date and the time (plain labels, no clock). With
// VKP2_EXIT_WHEN_SHOWN set it prints the monotonic clock once its first frame is shown, then
// ends at once, exactly like the benchmark's calculator (vkp2calc_timed). With --with-text it shows one
// line of text, which shows what merely drawing text (fonts found and loaded) adds.

#include "exit_when_shown.h"

#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    vkp2::ExitWhenShown::installIfRequested(app);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(568, 519);
    window.menuBar()->addAction(QStringLiteral("&About "));
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    window.statusBar()->addPermanentWidget(new QLabel(QStringLiteral("Status")), 1);
    window.statusBar()->addPermanentWidget(new QLabel(locale.toString(now.date(), QLocale::ShortFormat)));
    window.statusBar()->addPermanentWidget(new QLabel(locale.toString(now.time(), QLocale::ShortFormat)));
    if (QCoreApplication::arguments().contains(QStringLiteral("--with-text")))
        window.setCentralWidget(new QLabel(QStringLiteral("Telescope Properties"), &window));
    window.show();
    return app.exec();
}
