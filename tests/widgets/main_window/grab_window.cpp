// Saves what the calculator window shows, as painted offscreen, so that a change meant to keep
// the look can be checked pixel for pixel against a grab taken before it.
// Usage: grab_window OUTPUT.png   (QT_SCALE_FACTOR picks the scale)
// The status bar's clock would differ from one grab to the next, so its area is blacked out.

#include "support/calculator/recorded_message_boxes.h"
#include "support/widgets/window_fixture.h"
#include "widgets/main_window/main_window.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QStatusBar>
#include <QTest>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: grab_window OUTPUT.png\n");
        return 2;
    }
    const QString output = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    vkp2::test::Sandbox sandbox; // no saved setup: the window as it first starts
    vkp2::RecordedMessageBoxes messages;
    vkp2::MainWindow window(messages);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QImage image = window.grab().toImage();
    {
        QPainter painter(&image);
        painter.fillRect(window.statusBar()->geometry(), Qt::black);
    }
    if (!image.save(output)) {
        std::fprintf(stderr, "grab_window: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
