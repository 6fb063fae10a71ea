// The floor for start-up: an empty Qt main window of the calculator's client size. With
// VKP2_EXIT_WHEN_SHOWN set it prints the monotonic clock once its first frame is shown, then
// ends at once, exactly like the benchmark's calculator (vkp2calc_timed). With --with-text it shows one
// line of text, which shows what merely drawing text (fonts found and loaded) adds.

#include "exit_when_shown.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    vkp2::ExitWhenShown::installIfRequested(app);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(568, 519);
    if (QCoreApplication::arguments().contains(QStringLiteral("--with-text")))
        window.setCentralWidget(new QLabel(QStringLiteral("Telescope Properties"), &window));
    window.show();
    return app.exec();
}
