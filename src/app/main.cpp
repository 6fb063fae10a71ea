#include "widgets/main_window/main_window.h"
#include "widgets/toolkit/modal_message_boxes.h"

#include "app/program_start.h"
#include "storage/calculator_instance.h"

int main(int argc, char *argv[])
{
    if (vkp2::program_start::displayMissing("vkp2calc"))
        return 1;
    vkp2::program_start::QtArguments qt(argc, argv, "vkp2calc");
    QApplication app(qt.argc, qt.argv);
    // Lets Wayland desktops match the window to its launcher and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.vkp2calc.VKP2Calculator"));
    // Held until the window has closed and saved the setup: the planner reads it as "a
    // calculator will overwrite the setup file".
    const vkp2::storage::CalculatorInstance instance;
    vkp2::ModalMessageBoxes messages;
    vkp2::MainWindow window(messages);
    messages.setParent(&window);
    window.show();
    return app.exec();
}
