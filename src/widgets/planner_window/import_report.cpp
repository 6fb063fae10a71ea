#include "widgets/planner_window/import_report.h"

#include "storage/kit_checks.h"
#include "widgets/planner_window/kit_entry.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vkp2::planner_window {

namespace {

void section(QStringList &out, const QString &title, const QStringList &lines)
{
    if (lines.isEmpty())
        return;
    out << title;
    for (const QString &l : lines)
        out << QStringLiteral("  ") + l;
}

} // namespace

QString importReportText(const QString &path, const storage::KitImport &import, const storage::Kit &taken,
                         const QStringList &notes)
{
    QStringList out{ImportReport::tr("%1 (%2)").arg(QDir::toNativeSeparators(path), storage::formatName(import.format))};
    QStringList names;
    for (const storage::KitKind kind : kKitKinds) {
        for (qsizetype i = 0; i < countOf(taken, kind); ++i)
            names << QStringLiteral("%1 %2").arg(storage::kindWord(kind), nameOf(entryAt(taken, kind, i)));
    }
    const int n = int(names.size());
    if (import.ok())
        section(out, ImportReport::tr("Taken: %n entries", nullptr, n), names);
    else
        section(out, ImportReport::tr("Can be taken: %n entries (nothing is taken yet)", nullptr, n), names);
    if (names.isEmpty())
        out << (import.ok() ? ImportReport::tr("Nothing was taken.") : ImportReport::tr("No entry can be taken."));
    section(out, ImportReport::tr("Skipped: %n", nullptr, int(import.skipped.size())), import.skipped);
    section(out, ImportReport::tr("Errors: %n", nullptr, int(import.errors.size())), import.errors);
    section(out, ImportReport::tr("Held by the kit already: %n", nullptr, int(notes.size())), notes);
    return out.join(QLatin1Char('\n'));
}

ImportReport::ImportReport(const QString &text, bool hasErrors, bool canTake, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ImportReport"));
    setWindowTitle(tr("Import"));
    text_ = new QPlainTextEdit(text);
    text_->setObjectName(QStringLiteral("ImportReportText"));
    text_->setReadOnly(true);
    text_->setAccessibleName(tr("Import report"));
    text_->setTabChangesFocus(true);
    auto *label = new QLabel(hasErrors ? tr("Some entries of the file are wrong. &Report:") : tr("&Report:"));
    label->setBuddy(text_);
    auto *buttons = new QDialogButtonBox;
    if (hasErrors) {
        if (canTake) {
            take_ = buttons->addButton(tr("&Take the others"), QDialogButtonBox::AcceptRole);
            take_->setObjectName(QStringLiteral("TakeOthers"));
        }
        buttons->addButton(tr("Take &nothing"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("TakeNothing"));
    } else {
        buttons->addButton(QDialogButtonBox::Close);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(text_, 1);
    layout->addWidget(buttons);
    resize(600, 400);
}

} // namespace vkp2::planner_window
