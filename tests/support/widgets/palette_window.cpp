// The calculator window in a dark palette, for scripts/screenshot.sh: the palette is set once
// the window runs, so the picture shows what a live switch to a dark desktop gives.

#include "widgets/main_window/main_window.h"
#include "widgets/toolkit/modal_message_boxes.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    vkp2::ModalMessageBoxes messages;
    vkp2::MainWindow window(messages);
    window.show();
    QTimer::singleShot(0, &app, [] {
        QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x2b, 0x2b, 0x2b));
        dark.setColor(QPalette::WindowText, QColor(0xe8, 0xe8, 0xe8));
        dark.setColor(QPalette::ButtonText, QColor(0xe8, 0xe8, 0xe8));
        dark.setColor(QPalette::Text, QColor(0xf0, 0xf0, 0xf0));
        dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            dark.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
        QApplication::setPalette(dark);
    });
    return app.exec();
}
