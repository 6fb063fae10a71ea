#pragma once
// In-memory controls behind the toolkit contract, with the same nesting rules as the window's
// widgets: a program write of a new text runs the change handler at once, a write of the text
// already shown runs nothing, and choosing an entry (by the program or the "user") runs the
// choose handler at once. The planner drives the calculator's real handlers through these.

#include "calculator/toolkit/controls.h"

#include <QStringList>

namespace vkp2 {

class HeadlessField final : public TextField {
public:
    explicit HeadlessField(QString text = {}, bool enabled = true)
        : text_(std::move(text)), enabled_(enabled)
    {
    }
    void onChange(Handler handler) { handler_ = std::move(handler); }

    QString text() const override { return text_; }
    void setText(const QString &text) override;
    bool isEnabled() const override { return enabled_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }

private:
    QString text_;
    bool enabled_;
    Handler handler_;
};

class HeadlessList final : public ChoiceList {
public:
    void onChoose(Handler handler) { handler_ = std::move(handler); }

    QString text() const override { return current_ < 0 ? QString() : entries_.at(current_); }
    bool setText(const QString &text) override;
    void addItem(const QString &text) override { entries_.append(text); }
    int count() const override { return int(entries_.size()); }
    bool isEnabled() const override { return enabled_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    const QStringList &entries() const { return entries_; }

private:
    QStringList entries_;
    qsizetype current_ = -1;
    bool enabled_ = true;
    Handler handler_;
};

} // namespace vkp2
