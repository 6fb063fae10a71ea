#include "widgets/planner_window/planner_window.h"
#include "widgets/toolkit/modal_message_boxes.h"
#include "planner/language.h"

#include "app/program_start.h"

int main(int argc, char *argv[])
{
    if (vkp2::program_start::displayMissing("vkp2planner"))
        return 1;
    vkp2::program_start::QtArguments qt(argc, argv, "vkp2planner");
    QApplication app(qt.argc, qt.argv);
    namespace catalogues = vkp2::planner::catalogues;
    const vkp2::planner::Language language(
        QLocale::system(), {catalogues::kEngine, catalogues::kWindow, catalogues::kQt});
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.vkp2calc.VKP2Planner"));
    vkp2::ModalMessageBoxes messages;
    vkp2::planner_window::PlannerWindow window(messages);
    messages.setParent(&window);
    window.show();
    return app.exec();
}
