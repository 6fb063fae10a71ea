#pragma once
// What an import found, shown before (with errors) or after (without) its entries are taken:
// the entries that can be taken, those skipped and why, the errors, and those the kit holds
// already. With errors nothing is taken unless the user chooses "Take the others".

#include "storage/kit_import.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace vkp2::planner_window {

// The report as lines of text. `taken` are the entries the kit gains; `notes` say which the
// kit held already.
QString importReportText(const QString &path, const storage::KitImport &import, const storage::Kit &taken,
                         const QStringList &notes);

class ImportReport : public QDialog {
    Q_OBJECT
public:
    // Without errors the entries are taken already and the report only closes; with errors it
    // offers "Take the others" (when there are any) and "Take nothing".
    ImportReport(const QString &text, bool hasErrors, bool canTake, QWidget *parent = nullptr);
    QPlainTextEdit *text() const { return text_; }
    // "Take the others"; none without errors or with nothing to take.
    QPushButton *takeButton() const { return take_; }

private:
    QPlainTextEdit *text_ = nullptr;
    QPushButton *take_ = nullptr;
};

} // namespace vkp2::planner_window
