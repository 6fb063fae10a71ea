#include "widgets/toolkit/widget_controls.h"

#include <QComboBox>
#include <QLineEdit>

namespace vkp2 {

namespace {

void runHandler(const Handler &handler)
{
    if (handler)
        handler();
}

} // namespace

LineEditField::LineEditField(QLineEdit *edit) : edit_(edit)
{
    // textChanged fires synchronously for typing and for setText alike, which is exactly the
    // "a program write runs the change handler at once" rule.
    QObject::connect(edit_, &QLineEdit::textChanged, edit_, [this] { runHandler(handler_); });
}

QString LineEditField::text() const { return edit_->text(); }

void LineEditField::setText(const QString &text)
{
    if (edit_->text() == text)
        return;
    edit_->setText(text);
}

bool LineEditField::isEnabled() const { return edit_->isEnabled(); }
void LineEditField::setEnabled(bool enabled) { edit_->setEnabled(enabled); }

ComboList::ComboList(QComboBox *combo) : combo_(combo)
{
    // activated is raised for every user choice, including a re-choice of the shown entry;
    // currentIndexChanged is not used, so program selections run the handler only via choose().
    QObject::connect(combo_, &QComboBox::activated, combo_, [this] {
        chosen_ = true;
        runHandler(handler_);
    });
}

QString ComboList::text() const { return combo_->currentText(); }

bool ComboList::setText(const QString &text)
{
    for (int i = 0; i < combo_->count(); ++i) {
        if (combo_->itemText(i) == text) {
            combo_->setCurrentIndex(i);
            choose();
            return true;
        }
    }
    return false;
}

void ComboList::choose()
{
    chosen_ = true;
    runHandler(handler_);
}

void ComboList::addItem(const QString &text)
{
    combo_->addItem(text);
    // QComboBox selects its first entry by itself; the list shows nothing until a choice is made.
    if (!chosen_)
        combo_->setCurrentIndex(-1);
}

int ComboList::count() const { return combo_->count(); }
bool ComboList::isEnabled() const { return combo_->isEnabled(); }
void ComboList::setEnabled(bool enabled) { combo_->setEnabled(enabled); }

} // namespace vkp2
