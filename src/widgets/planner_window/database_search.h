#pragma once
// The Kit dialog's "Add from the database": a search box over the built-in equipment database
// of one kind, the matches best first with their values, and the chosen one added by Enter or
// the Add button. The database is read the first time this is opened.

#include "widgets/planner_window/kit_entry.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace vkp2::planner_window {

class DatabaseSearch : public QDialog {
    Q_OBJECT
public:
    // With `canAdd` false the database is only looked at.
    DatabaseSearch(storage::KitKind kind, bool canAdd, QWidget *parent = nullptr);

    QLineEdit *searchBox() const { return search_; }
    QTableWidget *results() const { return results_; }
    QPushButton *addButton() const { return add_; }
    // The selected match; nothing when none is.
    std::optional<KitEntry> chosen() const;
    // What became of the last entry added ("added", "already in the kit").
    void showNote(const QString &text);
    QLabel *noteLine() const { return note_; }

signals:
    void added(const vkp2::planner_window::KitEntry &entry);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void searchFor(const QString &text);
    void addChosen();

    storage::KitKind kind_;
    QStringList names_;
    QList<qsizetype> shown_; // database positions of the rows
    QLineEdit *search_ = nullptr;
    QTableWidget *results_ = nullptr;
    QLabel *count_ = nullptr;
    QLabel *note_ = nullptr;
    QPushButton *add_ = nullptr;
    bool canAdd_ = true;
};

} // namespace vkp2::planner_window
