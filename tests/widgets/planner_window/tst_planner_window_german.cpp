// The planner window under a German locale: every text it shows (labels, buttons, lists, menus,
// tooltips, headers, screen reader names) is German where the catalogues have German for it, the
// mnemonics stay unique, and without the translations the same window is English again.

#include "support/widgets/private_home.h"
#include "support/planner/catalogue_file.h"
#include "widgets/planner_window/solve_table.h"
#include "kit_fixture.h"
#include "planner/language.h"
#include "support/calculator/recorded_message_boxes.h"
#include "widgets/planner_window/focal_chart.h"
#include "widgets/planner_window/kit_dialog.h"
#include "widgets/planner_window/kit_entry_form.h"
#include "widgets/planner_window/planner_window.h"
#include "widgets/planner_window/setup_panel.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace vkp2;
using namespace vkp2::planner_window;

namespace {

QString plain(QString text) { return text.remove(QLatin1Char('&')).trimmed(); }

// The English sources of a catalogue whose German differs, without mnemonics. The letters a
// label's mnemonic goes before are no text of their own.
QSet<QString> englishWithGerman(const QString &tsFile)
{
    QSet<QString> out;
    for (const test::CatalogueEntry &e : test::readCatalogue(tsFile)) {
        // A plural's first form tells it apart enough.
        const QString german = plain(e.forms.value(0));
        if (german != plain(e.source) && !plain(e.source).isEmpty()
            && e.context != QLatin1String("SetupPanelMnemonic"))
            out.insert(plain(e.source));
    }
    return out;
}

// Every text a person meets in `root` and its children, split into lines, each with where it is.
QList<std::pair<QString, QString>> shownTexts(QWidget *root)
{
    QList<std::pair<QString, QString>> out;
    const auto add = [&out](const QObject *o, const char *what, const QString &text) {
        const QString where = QStringLiteral("%1 %2 (%3)").arg(QLatin1String(o->metaObject()->className()),
                                                               o->objectName(), QLatin1String(what));
        for (const QString &line : text.split(QLatin1Char('\n')))
            if (!plain(line).isEmpty())
                out.append({plain(line), where});
    };
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *w : widgets) {
        add(w, "tooltip", w->toolTip());
        add(w, "accessible name", w->accessibleName());
        add(w, "accessible description", w->accessibleDescription());
        if (w->isWindow())
            add(w, "title", w->windowTitle());
        if (auto *l = qobject_cast<QLabel *>(w))
            add(w, "text", l->text());
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            add(w, "text", b->text());
        if (auto *g = qobject_cast<QGroupBox *>(w))
            add(w, "title", g->title());
        if (auto *e = qobject_cast<QLineEdit *>(w))
            add(w, "placeholder", e->placeholderText());
        if (auto *m = qobject_cast<QMenu *>(w))
            add(w, "title", m->title());
        if (auto *c = qobject_cast<QComboBox *>(w)) {
            for (int i = 0; i < c->count(); ++i) {
                add(w, "item", c->itemText(i));
                add(w, "item tooltip", c->itemData(i, Qt::ToolTipRole).toString());
            }
        }
        if (auto *t = qobject_cast<QTabWidget *>(w)) {
            for (int i = 0; i < t->count(); ++i)
                add(w, "tab", t->tabText(i));
        }
        if (auto *t = qobject_cast<QTableWidget *>(w)) {
            for (int c = 0; c < t->columnCount(); ++c) {
                if (const QTableWidgetItem *h = t->horizontalHeaderItem(c)) {
                    add(w, "header", h->text());
                    add(w, "header tooltip", h->toolTip());
                }
            }
            for (int r = 0; r < t->rowCount(); ++r)
                for (int c = 0; c < t->columnCount(); ++c)
                    if (const QTableWidgetItem *item = t->item(r, c))
                        add(w, "cell", item->text());
        }
    }
    // The chart paints its words rather than showing them in widgets.
    for (const FocalChart *chart : root->findChildren<FocalChart *>()) {
        for (const QString &text : chart->curveNames() + QStringList{chart->axisTitle(), chart->cursorText(),
                                                                      chart->bandLabel(), chart->noBandNote()})
            add(chart, "painted", text);
    }
    for (const QAction *a : root->findChildren<QAction *>()) {
        add(a, "action", a->text());
        add(a, "action tooltip", a->toolTip() == plain(a->text()) ? QString() : a->toolTip());
        add(a, "status tip", a->statusTip());
    }
    return out;
}

QChar mnemonicOf(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) {
            if (text.at(i + 1) != QLatin1Char('&'))
                return text.at(i + 1).toLower();
            ++i;
        }
    }
    return {};
}

// Letters taken twice among the menu bar, the labels with buddies and the buttons of `root`,
// leaving out what sits in another window (a dialog) below it.
QStringList mnemonicClashes(QWidget *root)
{
    QHash<QChar, QString> seen;
    QStringList clashes;
    const auto take = [&](const QWidget *w, const QString &text) {
        if (w && w->window() != root)
            return;
        const QChar m = mnemonicOf(text);
        if (m.isNull())
            return;
        if (seen.contains(m))
            clashes << QStringLiteral("%1: %2 and %3").arg(m, seen.value(m), text);
        seen.insert(m, text);
    };
    if (auto *main = qobject_cast<QMainWindow *>(root))
        for (QAction *a : main->menuBar()->actions())
            take(nullptr, a->text());
    for (QLabel *l : root->findChildren<QLabel *>())
        if (l->buddy())
            take(l, l->text());
    for (QAbstractButton *b : root->findChildren<QAbstractButton *>())
        take(b, b->text());
    for (QTabWidget *t : root->findChildren<QTabWidget *>())
        for (int i = 0; i < t->count(); ++i)
            take(t, t->tabText(i));
    return clashes;
}

const QLocale kGerman(QLocale::German, QLocale::Germany);

} // namespace

class TstPlannerWindowGerman : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void nothingEnglishIsLeft_data();
    void nothingEnglishIsLeft();
    void wordsFollowTheLanguage_data();
    void wordsFollowTheLanguage();
    void mnemonicsStayUnique_data();
    void mnemonicsStayUnique();

private:
    void open();
    test::PrivateHome home_;
    RecordedMessageBoxes messages_;
    std::unique_ptr<PlannerWindow> window_;
};

void TstPlannerWindowGerman::initTestCase()
{
    QVERIFY(home_.enter());
    // A kit fills the Kit dialog's tables and the window's lists with entries of the user's.
    QVERIFY(test::writeKit(test::sampleKit()));
}

void TstPlannerWindowGerman::cleanup() { window_.reset(); }

void TstPlannerWindowGerman::open()
{
    window_ = std::make_unique<PlannerWindow>(messages_);
    // A camera with pixels, so the solve table has verdicts and the framing its sentences.
    PlannerInputs in = window_->setupPanel()->inputs();
    QVERIFY(in.setup.chooseCamera(QStringLiteral("SBIG ST-237A")));
    window_->setupPanel()->setInputs(in);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void TstPlannerWindowGerman::nothingEnglishIsLeft_data()
{
    QTest::addColumn<bool>("kitDialog");
    QTest::newRow("window") << false;
    QTest::newRow("window and Kit dialog") << true;
}

void TstPlannerWindowGerman::nothingEnglishIsLeft()
{
    QFETCH(bool, kitDialog);
    const QSet<QString> english = englishWithGerman(QStringLiteral(VKP2_TRANSLATIONS "/vkp2_planner_window_de.ts"))
                                  + englishWithGerman(QStringLiteral(VKP2_TRANSLATIONS "/vkp2_planner_de.ts"));
    QVERIFY(english.size() > 300);
    const planner::Language de(kGerman, {planner::catalogues::kEngine, planner::catalogues::kWindow});
    QCOMPARE(de.loaded().size(), 2);
    open();
    if (kitDialog)
        QVERIFY(window_->openKitDialog());
    QStringList left;
    const QList<std::pair<QString, QString>> texts = shownTexts(window_.get());
    for (const auto &[text, where] : texts)
        if (english.contains(text))
            left << QStringLiteral("%1: %2").arg(where, text);
    left.removeDuplicates();
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
    QVERIFY(texts.size() > 100);
}

void TstPlannerWindowGerman::wordsFollowTheLanguage_data()
{
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("focalLabel");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("nightTitle");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("German") << true << "&Datei" << "B&rennweite (mm):" << "Mond" << "Nacht, Filter und Mosaik"
                            << "abgetastet";
    QTest::newRow("English") << false << "&File" << "Focal le&ngth (mm):" << "Moon" << "Night, filter and mosaic"
                             << "sampled";
}

void TstPlannerWindowGerman::wordsFollowTheLanguage()
{
    QFETCH(bool, german);
    QFETCH(QString, menu);
    QFETCH(QString, focalLabel);
    QFETCH(QString, target);
    QFETCH(QString, nightTitle);
    QFETCH(QString, verdict);
    std::unique_ptr<planner::Language> de;
    if (german)
        de = std::make_unique<planner::Language>(kGerman, std::initializer_list<const char *>{
                                                              planner::catalogues::kEngine, planner::catalogues::kWindow});
    open();
    QCOMPARE(window_->menuBar()->actions().first()->text(), menu);
    const SetupPanel::Widgets &w = window_->setupPanel()->widgets();
    QLabel *focal = nullptr;
    for (QLabel *l : window_->findChildren<QLabel *>())
        if (l->buddy() == w.focalLength)
            focal = l;
    QVERIFY(focal);
    QCOMPARE(focal->text(), focalLabel);
    QCOMPARE(w.target->itemText(0), target);
    // The inputs keep the English name whatever the language shows.
    QCOMPARE(w.target->itemData(0).toString(), QStringLiteral("Moon"));
    QStringList titles;
    for (QGroupBox *g : window_->findChildren<QGroupBox *>())
        titles << g->title();
    QVERIFY2(titles.contains(nightTitle), qPrintable(titles.join(", ")));
    // The solve table's verdicts come from the engine's words.
    QStringList cells;
    for (QTableWidget *t : window_->findChildren<QTableWidget *>())
        for (int r = 0; r < t->rowCount(); ++r)
            for (int c = 0; c < t->columnCount(); ++c)
                if (t->item(r, c))
                    cells << t->item(r, c)->text();
    QVERIFY2(cells.filter(verdict).size() > 0, qPrintable(cells.join(" | ")));
    // Its CSV keeps the verdicts as scripts match them, in every language.
    const auto *solve = window_->findChild<SolveTable *>();
    QVERIFY(solve);
    const QString csv = QString::fromUtf8(solve->csv());
    QVERIFY2(csv.contains(QLatin1String("sampled")) && !csv.contains(QLatin1String("abgetastet")),
             qPrintable(csv));
}

void TstPlannerWindowGerman::mnemonicsStayUnique_data()
{
    QTest::addColumn<int>("form"); // -1: the window, 0: the Kit dialog, else 1 + the entry's tab
    QTest::newRow("window") << -1;
    QTest::newRow("Kit dialog") << 0;
    QTest::newRow("telescope entry") << 1;
    QTest::newRow("camera entry") << 2;
    QTest::newRow("lens entry") << 3;
    QTest::newRow("eyepiece entry") << 4;
}

void TstPlannerWindowGerman::mnemonicsStayUnique()
{
    QFETCH(int, form);
    const planner::Language de(kGerman, {planner::catalogues::kEngine, planner::catalogues::kWindow});
    open();
    QWidget *root = window_.get();
    if (form >= 0) {
        KitDialog *dialog = window_->openKitDialog();
        QVERIFY(dialog);
        root = dialog;
        if (form > 0) {
            // The sample kit has an entry of each kind to open the entry form on.
            dialog->tabs()->setCurrentIndex(form - 1);
            auto *table = qobject_cast<QTableWidget *>(dialog->tabs()->currentWidget());
            QVERIFY(table);
            table->selectRow(0);
            dialog->findChild<QPushButton *>(QStringLiteral("KitEdit"))->click();
            root = test::openDialog<KitEntryForm>(dialog);
            QVERIFY(root);
        }
    }
    const QStringList clashes = mnemonicClashes(root);
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join("; ")));
    QVERIFY(!root->findChildren<QLabel *>().isEmpty());
}

QTEST_MAIN(TstPlannerWindowGerman)
#include "tst_planner_window_german.moc"
