#pragma once
// The Kit dialog on the user's kit file in a private home, for its suites, and its buttons
// found by name as the dialog gives them.

#include "support/widgets/private_home.h"
#include "storage/kit_file.h"
#include "widgets/planner_window/kit_dialog.h"

#include <QPushButton>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace vkp2::test {

inline QPushButton *buttonNamed(QWidget *in, const char *name)
{
    return in->findChild<QPushButton *>(QLatin1String(name));
}

inline int tabOf(storage::KitKind kind)
{
    using planner_window::kKitKinds;
    return int(std::find(kKitKinds.begin(), kKitKinds.end(), kind) - kKitKinds.begin());
}

// A suite's base: its private home, and the dialog it has open.
class KitDialogFixture {
protected:
    // Into the private home, with the C locale the suites' numbers are written in.
    bool enterHome()
    {
        QLocale::setDefault(QLocale::c());
        return home_.enter();
    }
    static void removeKitFile() { QFile::remove(storage::kitFilePath(storage::FolderCreation::Create)); }
    // The dialog on the kit file, shown.
    void open()
    {
        dialog_ = std::make_unique<planner_window::KitDialog>(storage::kitFilePath(storage::FolderCreation::Create));
        dialog_->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
    }

    PrivateHome home_;
    std::unique_ptr<planner_window::KitDialog> dialog_;
};

} // namespace vkp2::test
