#pragma once
// Qt Widgets behind the toolkit contract. This is the only place that knows how Qt raises its
// change notifications; the handlers rely on the contract's rules and never re-implement them.

#include "calculator/toolkit/controls.h"

class QLineEdit;
class QComboBox;

namespace vkp2 {

class LineEditField final : public TextField {
public:
    explicit LineEditField(QLineEdit *edit);
    void onChange(Handler handler) { handler_ = std::move(handler); }

    QString text() const override;
    void setText(const QString &text) override;
    bool isEnabled() const override;
    void setEnabled(bool enabled) override;
    QLineEdit *widget() const { return edit_; }

private:
    QLineEdit *edit_;
    Handler handler_;
};

class ComboList final : public ChoiceList {
public:
    explicit ComboList(QComboBox *combo);
    void onChoose(Handler handler) { handler_ = std::move(handler); }

    QString text() const override;
    bool setText(const QString &text) override;
    void addItem(const QString &text) override;
    int count() const override;
    bool isEnabled() const override;
    void setEnabled(bool enabled) override;
    QComboBox *widget() const { return combo_; }

private:
    void choose();

    QComboBox *combo_;
    Handler handler_;
    bool chosen_ = false;
};

} // namespace vkp2
