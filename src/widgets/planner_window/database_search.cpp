#include "widgets/planner_window/database_search.h"

#include "widgets/planner_window/announce.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace vkp2::planner_window {

namespace {

// Enough rows to choose from; a longer list asks for a closer search.
constexpr int kMaxRows = 200;

} // namespace

DatabaseSearch::DatabaseSearch(storage::KitKind kind, bool canAdd, QWidget *parent)
    : QDialog(parent), kind_(kind), canAdd_(canAdd)
{
    setObjectName(QStringLiteral("DatabaseSearch"));
    setWindowTitle(tr("Add from the database: %1").arg(QString(kindTitle(kind)).remove(QLatin1Char('&'))));
    names_ = planner::equipmentNames(planner::equipmentDatabase(), databaseKind(kind));

    search_ = new QLineEdit;
    search_->setObjectName(QStringLiteral("DatabaseSearchBox"));
    search_->setAccessibleName(tr("Search the database"));
    search_->setPlaceholderText(tr("Maker or model, e.g. “asi 462”"));
    search_->setClearButtonEnabled(true);
    search_->installEventFilter(this);
    auto *label = new QLabel(tr("&Search:"));
    label->setBuddy(search_);

    results_ = new QTableWidget(0, int(columnTitles(kind).size()));
    results_->setObjectName(QStringLiteral("DatabaseResults"));
    results_->setAccessibleName(tr("Matches"));
    results_->setHorizontalHeaderLabels(columnTitles(kind));
    results_->setSelectionBehavior(QAbstractItemView::SelectRows);
    results_->setSelectionMode(QAbstractItemView::SingleSelection);
    results_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results_->verticalHeader()->hide();
    results_->horizontalHeader()->setStretchLastSection(true);
    results_->setTabKeyNavigation(false);
    results_->installEventFilter(this);
    auto *matchesLabel = new QLabel(tr("&Matches:"));
    matchesLabel->setBuddy(results_);
    count_ = new QLabel;
    count_->setObjectName(QStringLiteral("DatabaseCount"));
    count_->setAccessibleName(tr("Number of matches"));

    note_ = new QLabel;
    note_->setObjectName(QStringLiteral("DatabaseNote"));
    note_->setAccessibleName(tr("Last added"));
    note_->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    add_ = buttons->addButton(tr("&Add to the kit"), QDialogButtonBox::ActionRole);
    add_->setObjectName(QStringLiteral("DatabaseAdd"));
    add_->setAutoDefault(false);
    add_->setVisible(canAdd);
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    connect(add_, &QPushButton::clicked, this, &DatabaseSearch::addChosen);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(search_, &QLineEdit::textChanged, this, &DatabaseSearch::searchFor);
    connect(results_, &QTableWidget::itemSelectionChanged, this,
            [this] { add_->setEnabled(canAdd_ && chosen().has_value()); });
    connect(results_, &QTableWidget::cellDoubleClicked, this, &DatabaseSearch::addChosen);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(search_);
    layout->addWidget(matchesLabel);
    layout->addWidget(results_, 1);
    layout->addWidget(count_);
    layout->addWidget(note_);
    layout->addWidget(buttons);
    resize(720, 480);
    searchFor(QString());
    search_->setFocus();
}

std::optional<KitEntry> DatabaseSearch::chosen() const
{
    const int row = results_->currentRow();
    if (row < 0 || row >= shown_.size() || !results_->item(row, 0) || !results_->item(row, 0)->isSelected())
        return std::nullopt;
    return entryAt(planner::equipmentDatabase(), kind_, shown_.at(row));
}

void DatabaseSearch::searchFor(const QString &text)
{
    const QList<qsizetype> ranked = planner::rankMatches(names_, text);
    shown_ = ranked.mid(0, kMaxRows);
    results_->setRowCount(0);
    results_->setRowCount(int(shown_.size()));
    const storage::Kit &db = planner::equipmentDatabase();
    for (int row = 0; row < shown_.size(); ++row) {
        const QStringList cells = cellsOf(entryAt(db, kind_, shown_.at(row)));
        for (int col = 0; col < cells.size(); ++col)
            results_->setItem(row, col, new QTableWidgetItem(cells.at(col)));
    }
    results_->resizeColumnsToContents();
    if (!shown_.isEmpty())
        results_->selectRow(0);
    add_->setEnabled(canAdd_ && chosen().has_value());
    QString says;
    if (text.trimmed().isEmpty())
        says = tr("Type part of a name: %n entries to search.", nullptr, int(names_.size()));
    else if (ranked.size() > shown_.size())
        says = tr("%1 matches; the first %2 are shown.").arg(ranked.size()).arg(shown_.size());
    else
        says = ranked.size() == 1 ? tr("1 match.") : tr("%1 matches.").arg(ranked.size());
    count_->setText(says);
    announce(count_, says);
}

void DatabaseSearch::showNote(const QString &text)
{
    note_->setText(text);
    announce(note_, text);
}

void DatabaseSearch::addChosen()
{
    if (!canAdd_)
        return;
    if (const auto entry = chosen())
        emit added(*entry);
}

bool DatabaseSearch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter) {
            addChosen();
            return true;
        }
        // Up and down in the search box move through the matches.
        if (watched == search_ && (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up) && !shown_.isEmpty()) {
            const int row = std::clamp(results_->currentRow() + (key->key() == Qt::Key_Down ? 1 : -1), 0,
                                       int(shown_.size()) - 1);
            results_->selectRow(row);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vkp2::planner_window
