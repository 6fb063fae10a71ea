#pragma once
// The Kit dialog's form for one entry, typed new or edited: a box per value of its kind. Each
// box is checked as it is typed, as every entry of the kit is checked: a red frame on the box at
// fault, a line of text saying why, and OK only for an entry the kit may keep.

#include "widgets/planner_window/kit_entry.h"

#include <QDialog>
#include <QSet>

#include <optional>

class QDialogButtonBox;
class QLabel;
class QPushButton;

namespace vkp2::planner_window {

class KitEntryForm : public QDialog {
    Q_OBJECT
public:
    // Starts from `entry` (an empty one of its kind for a new entry).
    explicit KitEntryForm(const KitEntry &entry, const QString &title, QWidget *parent = nullptr);

    // The entry as typed; nothing while a box does not read or the kit would refuse it.
    const std::optional<KitEntry> &entry() const { return entry_; }
    // The boxes in form order (line edits, and a list for a camera's colour).
    const QList<QWidget *> &fields() const { return fields_; }
    QLabel *problemLine() const { return problem_; }
    QPushButton *okButton() const;

private:
    void edited(QWidget *field);
    void check();
    QStringList texts() const;

    storage::KitKind kind_;
    QList<QWidget *> fields_;
    QLabel *problem_ = nullptr;
    QDialogButtonBox *buttons_ = nullptr;
    std::optional<KitEntry> entry_;
    QSet<QWidget *> touched_;
};

} // namespace vkp2::planner_window
