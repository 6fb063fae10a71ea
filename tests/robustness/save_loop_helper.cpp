// A child process for tst_crash_safe_saving.
//   save_loop_helper loop PATH        saves the two setups in turn through the program's writer,
//                                     for ever; prints "saving" once the first save is done
//   save_loop_helper plain-loop PATH  the same with a plain rewrite in place (truncate, then write
//                                     in pieces), to show that the test catches a torn file
//   save_loop_helper full-disk        starts the window in the current directory, lets no file
//                                     grow past a few bytes (as on a full disk), closes the window
//                                     and exits 0 if it got that far

#include "saving_setups.h"
#include "storage/user_equipment_file.h"
#include "support/calculator/recorded_message_boxes.h"
#include "widgets/main_window/main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSettings>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>

namespace {

void saving()
{
    std::puts("saving");
    std::fflush(stdout);
}

int loop(const QString &path)
{
    const QStringList setups[] = {vkp2::test::firstSetup(), vkp2::test::secondSetup()};
    for (long i = 0;; ++i) {
        if (!vkp2::storage::writeUserEquipmentFile(path, setups[i % 2]))
            return 2;
        if (i == 0)
            saving();
    }
}

int plainLoop(const QString &path)
{
    const QByteArray setups[] = {vkp2::test::fileBytes(vkp2::test::firstSetup()),
                                 vkp2::test::fileBytes(vkp2::test::secondSetup())};
    for (long i = 0;; ++i) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
            return 2;
        const QByteArray &bytes = setups[i % 2];
        for (qsizetype at = 0; at < bytes.size(); at += 4096)
            file.write(bytes.mid(at, 4096));
        file.close();
        if (i == 0)
            saving();
    }
}

int fullDisk(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QDir::currentPath() + "/settings");
    vkp2::RecordedMessageBoxes messages;
    vkp2::MainWindow window(messages);
    window.show();
    // A change that would be saved if the disk took it.
    const auto *camera = window.widgets()[vkp2::List::Ccd];
    window.widgets()[vkp2::List::Ccd]->setCurrentIndex(camera->count() - 1);
    emit window.widgets()[vkp2::List::Ccd]->activated(camera->count() - 1);

    std::signal(SIGXFSZ, SIG_IGN); // a write past the limit then fails with EFBIG, like ENOSPC
    const rlimit tiny{16, RLIM_INFINITY};
    if (setrlimit(RLIMIT_FSIZE, &tiny) != 0)
        return 3;
    window.close();
    std::puts("closed");
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "loop") == 0)
        return loop(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && std::strcmp(argv[1], "plain-loop") == 0)
        return plainLoop(QString::fromLocal8Bit(argv[2]));
    if (argc == 2 && std::strcmp(argv[1], "full-disk") == 0)
        return fullDisk(argc, argv);
    std::fputs("usage: save_loop_helper loop PATH | plain-loop PATH | full-disk\n", stderr);
    return 64;
}
