#pragma once
// Test helpers: the real main window with its message boxes recorded instead of shown.

#include "toolkit/message_boxes.h"
#include "ui/main_window/main_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QtTest>

#include <memory>

namespace vkp2::test {

struct WindowFixture {
    RecordedMessageBoxes messages;
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(messages);

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
