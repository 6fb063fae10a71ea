#include "widgets/planner_window/kit_dialog.h"

#include "storage/kit_checks.h"
#include "storage/kit_file.h"
#include "widgets/planner_window/announce.h"
#include "widgets/planner_window/database_search.h"
#include "widgets/planner_window/field_mark.h"
#include "widgets/planner_window/import_report.h"
#include "widgets/planner_window/kit_entry_form.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vkp2::planner_window {

using storage::KitKind;

namespace {

QPushButton *button(const QString &text, const char *name)
{
    auto *b = new QPushButton(text);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

// The formats a kit is exported to, with the file dialog's filter for each.
struct ExportFilter {
    storage::KitFormat format;
    const char *filter;
    const char *suffix;
};
constexpr ExportFilter kExportFilters[] = {
    {storage::KitFormat::Json, QT_TRANSLATE_NOOP("vkp2::planner_window::KitDialog", "Planner kit (*.json)"), "json"},
    {storage::KitFormat::OcularIni, QT_TRANSLATE_NOOP("vkp2::planner_window::KitDialog", "Stellarium Oculars (*.ini)"), "ini"},
    {storage::KitFormat::Oal, QT_TRANSLATE_NOOP("vkp2::planner_window::KitDialog", "OAL observation log (*.xml)"), "xml"},
};

} // namespace

KitDialog::KitDialog(const QString &kitPath, QWidget *parent) : QDialog(parent), path_(kitPath)
{
    setObjectName(QStringLiteral("KitDialog"));
    setWindowTitle(tr("Kit"));
    const storage::KitFile file = storage::readKitFile(path_);
    problem_ = file.problem;
    if (problem_.isEmpty())
        kit_ = file.kit;
    build();
    fillAll();
    if (!problem_.isEmpty()) {
        showProblemText(fileProblem_, tr("The kit file %1 cannot be read: %2\nIt is left as it is; until it is "
                                         "mended the database can only be looked at.")
                                          .arg(QDir::toNativeSeparators(path_), problem_));
    }
    updateButtons();
}

void KitDialog::build()
{
    fileProblem_ = problemLabel(QStringLiteral("KitFileProblem"), tr("Kit file problem"));
    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("KitKinds"));
    tabs_->setAccessibleName(tr("Kinds of equipment"));
    tabs_->tabBar()->setAccessibleName(tr("Kinds of equipment"));
    for (const KitKind kind : kKitKinds) {
        auto *t = new QTableWidget(0, int(columnTitles(kind).size()));
        const QString title = QString(kindTitle(kind)).remove(QLatin1Char('&'));
        t->setObjectName(QStringLiteral("Kit") + QString(title).remove(QLatin1Char(' ')));
        t->setAccessibleName(tr("Kit: %1").arg(title));
        t->setHorizontalHeaderLabels(columnTitles(kind));
        t->setSelectionBehavior(QAbstractItemView::SelectRows);
        t->setSelectionMode(QAbstractItemView::SingleSelection);
        t->setEditTriggers(QAbstractItemView::NoEditTriggers);
        t->setTabKeyNavigation(false);
        t->verticalHeader()->hide();
        t->horizontalHeader()->setStretchLastSection(true);
        t->setEnabled(canSave());
        connect(t, &QTableWidget::itemSelectionChanged, this, &KitDialog::updateButtons);
        connect(t, &QTableWidget::cellActivated, this, &KitDialog::openEdit);
        tables_[std::size_t(kind)] = t;
        tabs_->addTab(t, kindTitle(kind));
    }
    connect(tabs_, &QTabWidget::currentChanged, this, &KitDialog::updateButtons);

    database_ = button(tr("Add from the &database…"), "KitAddFromDatabase");
    new_ = button(tr("&New…"), "KitNew");
    edit_ = button(tr("&Edit…"), "KitEdit");
    remove_ = button(tr("&Remove"), "KitRemove");
    import_ = button(tr("&Import…"), "KitImport");
    export_ = button(tr("E&xport…"), "KitExport");
    connect(database_, &QPushButton::clicked, this, &KitDialog::openDatabase);
    connect(new_, &QPushButton::clicked, this, &KitDialog::openNew);
    connect(edit_, &QPushButton::clicked, this, &KitDialog::openEdit);
    connect(remove_, &QPushButton::clicked, this, &KitDialog::removeCurrent);
    connect(import_, &QPushButton::clicked, this, &KitDialog::askImport);
    connect(export_, &QPushButton::clicked, this, &KitDialog::askExport);
    auto *side = new QVBoxLayout;
    for (QPushButton *b : {database_, new_, edit_, remove_})
        side->addWidget(b);
    side->addSpacing(12);
    side->addWidget(import_);
    side->addWidget(export_);
    side->addStretch(1);

    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("KitStatus"));
    status_->setAccessibleName(tr("Kit status"));
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Apply | QDialogButtonBox::Cancel);
    buttons_->button(QDialogButtonBox::Apply)->setEnabled(canSave());
    connect(buttons_, &QDialogButtonBox::accepted, this, [this] {
        if (!canSave() || save())
            accept();
    });
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons_->button(QDialogButtonBox::Apply), &QPushButton::clicked, this, &KitDialog::save);

    auto *middle = new QHBoxLayout;
    middle->addWidget(tabs_, 1);
    middle->addLayout(side);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fileProblem_);
    layout->addLayout(middle, 1);
    layout->addWidget(status_);
    layout->addWidget(buttons_);

    QWidget *order[] = {tabs_, database_, new_, edit_, remove_, import_, export_};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    resize(820, 480);
}

KitKind KitDialog::currentKind() const { return kKitKinds[std::size_t(std::max(0, tabs_->currentIndex()))]; }

int KitDialog::currentRow() const
{
    const QTableWidget *t = table(currentKind());
    const int row = t->currentRow();
    return row >= 0 && row < countOf(kit_, currentKind()) && t->selectionModel()->isRowSelected(row) ? row : -1;
}

void KitDialog::fill(KitKind kind)
{
    QTableWidget *t = table(kind);
    const int keep = t->currentRow();
    t->setRowCount(0);
    t->setRowCount(int(countOf(kit_, kind)));
    for (int row = 0; row < t->rowCount(); ++row) {
        const QStringList cells = cellsOf(entryAt(kit_, kind, row));
        for (int col = 0; col < cells.size(); ++col)
            t->setItem(row, col, new QTableWidgetItem(cells.at(col)));
    }
    t->resizeColumnsToContents();
    if (t->rowCount() > 0)
        t->selectRow(std::clamp(keep, 0, t->rowCount() - 1));
    // The tab says how many entries it holds.
    const int index = int(std::find(kKitKinds.begin(), kKitKinds.end(), kind) - kKitKinds.begin());
    tabs_->setTabText(index, QStringLiteral("%1 (%2)").arg(kindTitle(kind)).arg(t->rowCount()));
}

void KitDialog::fillAll()
{
    for (const KitKind kind : kKitKinds)
        fill(kind);
}

void KitDialog::say(const QString &text)
{
    status_->setText(text);
    announce(status_, text);
}

void KitDialog::updateButtons()
{
    const bool row = canSave() && currentRow() >= 0;
    for (QPushButton *b : {new_, import_, export_})
        b->setEnabled(canSave());
    edit_->setEnabled(row);
    remove_->setEnabled(row);
}

bool KitDialog::addEntry(const KitEntry &entry)
{
    if (!canSave())
        return false;
    const storage::KitMerge merged = storage::mergeKits(kit_, kitOf(entry));
    if (merged.kit.size() == kit_.size()) {
        say(tr("%1 is in the kit already.").arg(nameOf(entry)));
        return false;
    }
    kit_ = merged.kit;
    const KitKind kind = kindOf(entry);
    fill(kind);
    tabs_->setCurrentWidget(table(kind));
    table(kind)->selectRow(int(countOf(kit_, kind)) - 1);
    say(tr("%1 added.").arg(nameOf(entry)));
    return true;
}

bool KitDialog::save()
{
    if (!canSave())
        return false;
    QString why;
    if (!storage::writeKitFile(path_, kit_, &why)) {
        say(tr("The kit could not be written to %1: %2").arg(QDir::toNativeSeparators(path_), why));
        return false;
    }
    say(tr("Saved to %1.").arg(QDir::toNativeSeparators(path_)));
    emit saved(kit_);
    return true;
}

void KitDialog::openDatabase()
{
    auto *search = new DatabaseSearch(currentKind(), canSave(), this);
    search->setAttribute(Qt::WA_DeleteOnClose);
    connect(search, &DatabaseSearch::added, this, [this, search](const KitEntry &entry) {
        addEntry(entry);
        search->showNote(status_->text());
    });
    search->open();
}

void KitDialog::openNew()
{
    auto *form = new KitEntryForm(emptyEntry(currentKind()), tr("New entry"), this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    connect(form, &QDialog::accepted, this, [this, form] {
        if (form->entry())
            addEntry(*form->entry());
    });
    form->open();
}

void KitDialog::openEdit()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const KitKind kind = currentKind();
    const KitEntry old = entryAt(kit_, kind, row);
    auto *form = new KitEntryForm(old, tr("Edit %1").arg(nameOf(old)), this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    connect(form, &QDialog::accepted, this, [this, form, kind, row, old] {
        if (!form->entry() || row >= countOf(kit_, kind))
            return;
        // A new name must not be one another entry has.
        storage::Kit others = kit_;
        removeAt(others, kind, row);
        if (storage::mergeKits(others, kitOf(*form->entry())).kit.size() == others.size()) {
            say(tr("%1 is in the kit already; %2 is left as it was.").arg(nameOf(*form->entry()), nameOf(old)));
            return;
        }
        replaceAt(kit_, row, *form->entry());
        fill(kind);
        say(tr("%1 changed.").arg(nameOf(*form->entry())));
    });
    form->open();
}

void KitDialog::removeCurrent()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const KitKind kind = currentKind();
    const QString name = nameOf(entryAt(kit_, kind, row));
    removeAt(kit_, kind, row);
    fill(kind);
    updateButtons();
    say(tr("%1 removed.").arg(name));
}

void KitDialog::take(const storage::Kit &merged)
{
    const qsizetype added = merged.size() - kit_.size();
    kit_ = merged;
    fillAll();
    updateButtons();
    say(tr("%n entries taken from the import.", nullptr, int(added)));
}

void KitDialog::importFile(const QString &path)
{
    if (!canSave())
        return;
    const storage::KitImport import = storage::importKitFile(path);
    if (!import.problem.isEmpty()) {
        say(tr("%1 could not be imported: %2").arg(QDir::toNativeSeparators(path), import.problem));
        return;
    }
    const storage::KitMerge merged = storage::mergeKits(kit_, import.kit);
    // What the kit gains: the merged kit's entries past the ones it had.
    storage::Kit gained;
    gained.telescopes = merged.kit.telescopes.mid(kit_.telescopes.size());
    gained.cameras = merged.kit.cameras.mid(kit_.cameras.size());
    gained.lenses = merged.kit.lenses.mid(kit_.lenses.size());
    gained.eyepieces = merged.kit.eyepieces.mid(kit_.eyepieces.size());
    const QString text = importReportText(path, import, gained, merged.notes);
    auto *report = new ImportReport(text, !import.ok(), !gained.isEmpty(), this);
    report->setAttribute(Qt::WA_DeleteOnClose);
    if (import.ok())
        take(merged.kit);
    else
        connect(report, &QDialog::accepted, this, [this, kit = merged.kit] { take(kit); });
    report->open();
}

bool KitDialog::exportTo(const QString &path, storage::KitFormat format)
{
    QString why;
    if (!storage::writeExport(path, kit_, format, &why)) {
        say(tr("The kit could not be exported to %1: %2").arg(QDir::toNativeSeparators(path), why));
        return false;
    }
    say(tr("%n entries exported to %1.", nullptr, int(kit_.size())).arg(QDir::toNativeSeparators(path)));
    return true;
}

void KitDialog::askImport()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Import equipment"), QString(),
        tr("Equipment files (*.json *.ini *.xml *.oal *.profile *.sqlite *.db);;All files (*)"));
    if (!path.isEmpty())
        importFile(path);
}

void KitDialog::askExport()
{
    QStringList filters;
    for (const ExportFilter &f : kExportFilters)
        filters << tr(f.filter);
    QFileDialog dialog(this, tr("Export the kit"), QStringLiteral("kit.json"), filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const auto filterOf = [&](const QString &selected) {
        const qsizetype i = filters.indexOf(selected);
        return kExportFilters[std::size_t(std::max<qsizetype>(0, i))];
    };
    dialog.setDefaultSuffix(QLatin1String(filterOf(dialog.selectedNameFilter()).suffix));
    connect(&dialog, &QFileDialog::filterSelected, &dialog,
            [&](const QString &f) { dialog.setDefaultSuffix(QLatin1String(filterOf(f).suffix)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    exportTo(dialog.selectedFiles().constFirst(), filterOf(dialog.selectedNameFilter()).format);
}

} // namespace vkp2::planner_window
