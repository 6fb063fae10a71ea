#pragma once
// The Kit dialog: the user's own equipment, a list per kind with the entries' values, and what
// can be done to it: add from the equipment database, type a new entry, edit, remove, import
// from another program's file and export. It edits a copy; OK and Apply write kit.json. A kit
// file that cannot be read is named with its problem and never written over: the database can
// then only be looked at.

#include "storage/kit.h"
#include "storage/kit_import.h"
#include "widgets/planner_window/kit_entry.h"

#include <QDialog>

#include <array>

class QDialogButtonBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace vkp2::planner_window {

class KitDialog : public QDialog {
    Q_OBJECT
public:
    explicit KitDialog(const QString &kitPath, QWidget *parent = nullptr);

    // The kit as edited so far.
    const storage::Kit &kit() const { return kit_; }
    // False when the kit file could not be read: then nothing is ever written.
    bool canSave() const { return problem_.isEmpty(); }

    // What the buttons do once their question is answered; each says how it went on the
    // dialog's line of text. Adding an entry the kit holds already (by name) changes nothing.
    bool addEntry(const KitEntry &entry);
    bool save();
    void importFile(const QString &path);
    bool exportTo(const QString &path, storage::KitFormat format);

    QTabWidget *tabs() const { return tabs_; }
    QTableWidget *table(storage::KitKind kind) const { return tables_[std::size_t(kind)]; }
    storage::KitKind currentKind() const;
    QLabel *fileProblem() const { return fileProblem_; }
    QLabel *statusLine() const { return status_; }
    QDialogButtonBox *buttons() const { return buttons_; }

signals:
    // After kit.json was written.
    void saved(const vkp2::storage::Kit &kit);

private:
    void build();
    void fill(storage::KitKind kind);
    void fillAll();
    void say(const QString &text);
    void updateButtons();
    int currentRow() const;
    void openDatabase();
    void openNew();
    void openEdit();
    void removeCurrent();
    void askImport();
    void askExport();
    void take(const storage::Kit &merged);

    QString path_;
    QString problem_; // why the kit file could not be read
    storage::Kit kit_;
    QTabWidget *tabs_ = nullptr;
    std::array<QTableWidget *, kKitKinds.size()> tables_{};
    QLabel *fileProblem_ = nullptr;
    QLabel *status_ = nullptr;
    QPushButton *database_ = nullptr, *new_ = nullptr, *edit_ = nullptr, *remove_ = nullptr;
    QPushButton *import_ = nullptr, *export_ = nullptr;
    QDialogButtonBox *buttons_ = nullptr;
};

} // namespace vkp2::planner_window
