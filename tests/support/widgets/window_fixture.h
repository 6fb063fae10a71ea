#pragma once
// Test helpers: the real main window with its message boxes recorded instead of shown and its
// handler runs counted, in a sandbox.

#include "support/calculator/handler_counter.h"
#include "support/calculator/locale_scope.h"
#include "support/calculator/recorded_message_boxes.h"
#include "support/calculator/sandbox.h"
#include "widgets/main_window/main_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include <memory>

namespace vkp2::test {

struct WindowFixture {
    Sandbox sandbox;
    RecordedMessageBoxes messages;
    std::unique_ptr<MainWindow> window = start(messages);

    // A window as the fixture builds it: counted from its first handler run.
    static std::unique_ptr<MainWindow> start(RecordedMessageBoxes &messages)
    {
        return std::make_unique<MainWindow>(messages, countHandlers);
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

} // namespace vkp2::test
