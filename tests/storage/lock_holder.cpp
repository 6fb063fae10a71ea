// Holds the calculator's lock as a calculator would, says whether it got it, and waits to be
// killed or closed.

#include "storage/calculator_instance.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const vkp2::storage::CalculatorInstance instance;
    QTextStream(stdout) << (instance.held() ? "held" : "not held") << Qt::endl;
    return app.exec();
}
