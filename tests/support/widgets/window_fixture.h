#pragma once
// Test helpers: the real main window with its message boxes recorded instead of shown.

#include "support/handler_counter.h"
#include "support/recorded_message_boxes.h"
#include "widgets/main_window/main_window.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QLocale>
#include <QtTest>

#include <memory>

namespace vkp2::test {

// A private folder as the current directory, as the data folder ($XDG_DATA_HOME) and as the
// settings store, so tests neither see nor change the user's own setup.
struct Sandbox {
    QTemporaryDir dir;
    QString previous = QDir::currentPath();
    bool hadDataHome = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    QByteArray previousDataHome = qgetenv("XDG_DATA_HOME");
    Sandbox()
    {
        QDir::setCurrent(dir.path());
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath("data")));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path() + "/settings");
    }
    ~Sandbox()
    {
        QDir::setCurrent(previous);
        if (hadDataHome)
            qputenv("XDG_DATA_HOME", previousDataHome);
        else
            qunsetenv("XDG_DATA_HOME");
    }
    QString file(const QString &name) const { return dir.filePath(name); }
    // Where a window started now keeps its setup when the current folder has none.
    QString dataFile() const { return dir.filePath("data/VKP2/vkp2user.dat"); }
    // The setup file the window uses: the current folder's if there is one, else the data folder's.
    QString setupFile() const
    {
        const QString here = file("vkp2user.dat");
        return QFileInfo(here).isFile() ? here : dataFile();
    }
};

struct WindowFixture {
    Sandbox sandbox;
    RecordedMessageBoxes messages;
    std::unique_ptr<MainWindow> window = counting(std::make_unique<MainWindow>(messages));

    static std::unique_ptr<MainWindow> counting(std::unique_ptr<MainWindow> w)
    {
        countHandlers(*w);
        return w;
    }

    const MainWindow::Widgets &w() const { return window->widgets(); }
    Calculator &calc() { return window->calculator(); }
    CalculatorState &state() { return window->calculator().state; }
};

// Chooses a list entry the way a user does: the list changes, then reports the activation.
inline bool chooseAsUser(QComboBox *combo, const QString &text)
{
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        return false;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    return true;
}

// Replaces a field's text by typing: select all, delete, then type key by key.
inline void retype(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// Switches the default locale for one test and restores it afterwards.
struct LocaleScope {
    QLocale saved;
    explicit LocaleScope(const QLocale &locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(saved); }
};

} // namespace vkp2::test

Q_DECLARE_METATYPE(vkp2::MessageIcon)
