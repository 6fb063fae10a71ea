#pragma once
// Kits for the Kit dialog and window suites: a kit file written as the user's, raw bytes for
// one that cannot be read, and the dialogs the Kit dialog opens found as a user finds them.

#include "storage/kit.h"
#include "storage/kit_file.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QtTest>

namespace vkp2::test {

inline storage::Kit sampleKit()
{
    storage::Kit kit;
    kit.telescopes = {{QStringLiteral("My C8"), 2032, 203}, {QStringLiteral("Little refractor"), 400, 70}};
    kit.cameras = {{QStringLiteral("Planet cam"), 2.9, 2.9, 1936, 1096, storage::Colour::Colour, {1, 2}},
                   {QStringLiteral("Guide cam"), 3.75, 3.75, 1280, 960, storage::Colour::Mono, {1}}};
    kit.lenses = {{QStringLiteral("Barlow 2x"), 2, -100, std::nullopt}};
    kit.eyepieces = {{QStringLiteral("Plössl 10"), 10, 50, 8.7}};
    return kit;
}

inline bool writeKit(const storage::Kit &kit)
{
    QFile::remove(storage::kitFilePath(storage::FolderCreation::Create));
    return storage::writeKitFile(storage::kitFilePath(storage::FolderCreation::Create), kit);
}

inline bool writeRaw(const QByteArray &bytes)
{
    QFile f(storage::kitFilePath(storage::FolderCreation::Create));
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

inline QByteArray kitBytes()
{
    QFile f(storage::kitFilePath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The dialog of that type that `parent` has open, once it is shown; none after two seconds.
template <typename Dialog>
Dialog *openDialog(QObject *parent)
{
    for (int waited = 0; waited < 2000; waited += 10) {
        Dialog *found = parent->findChild<Dialog *>();
        if (found && found->isVisible())
            return found;
        QTest::qWait(10);
    }
    return nullptr;
}

} // namespace vkp2::test
