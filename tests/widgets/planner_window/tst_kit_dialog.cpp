// The Kit dialog as a user edits the kit in it: adding from the database by search, typing
// entries (and being refused), editing, removing, and saving or not. A private home keeps the
// user's own kit out of reach.

#include "kit_fixture.h"
#include "kit_dialog_fixture.h"
#include "calculator/core/numbers.h"
#include "planner/equipment_database.h"
#include "storage/kit_checks.h"
#include "storage/kit_file.h"
#include "widgets/planner_window/database_search.h"
#include "widgets/planner_window/field_mark.h"
#include "widgets/planner_window/kit_dialog.h"
#include "widgets/planner_window/kit_entry_form.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

using namespace vkp2;
using namespace vkp2::planner_window;
using storage::KitKind;
using test::buttonNamed;
using test::tabOf;

Q_DECLARE_METATYPE(storage::KitKind)

namespace {

QLineEdit *box(KitEntryForm *form, const char *name) { return form->findChild<QLineEdit *>(QLatin1String(name)); }

void retype(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// Good values for every box of a new entry of the kind, by box name.
QList<std::pair<const char *, QString>> goodValues(KitKind kind)
{
    switch (kind) {
    case KitKind::Camera:
        return {{"Name", "Typed cam"}, {"PixelWidth", "2.4"}, {"PixelHeight", "2.4"}, {"Width", "3000"},
                {"Height", "2000"}, {"Binning", "1, 2"}};
    case KitKind::Lens:
        return {{"Name", "Typed reducer"}, {"Factor", "0.63"}};
    case KitKind::Eyepiece:
        return {{"Name", "Typed eyepiece"}, {"FocalLength", "12"}, {"ApparentField", "68"}};
    case KitKind::Telescope:
        break;
    }
    return {{"Name", "Typed scope"}, {"FocalLength", "1200"}, {"Aperture", "150"}};
}

} // namespace

class TstKitDialog : public QObject, private test::KitDialogFixture {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(enterHome()); }
    void init() { removeKitFile(); }
    void cleanup() { dialog_.reset(); }

    void addFromTheDatabaseBySearch_data();
    void addFromTheDatabaseBySearch();
    void typedEntryIsCheckedAsTyped_data();
    void typedEntryIsCheckedAsTyped();
    void editChangesTheEntry();
    void editToAnotherEntrysNameIsRefused();
    void removeTakesTheSelectedEntry();
    void okWritesTheKitReadBackWhole();
    void cancelWritesNothing();

private:
    // The sample kit's telescope at `row` in the Edit form.
    KitEntryForm *editSampleTelescope(int row);
};

KitEntryForm *TstKitDialog::editSampleTelescope(int row)
{
    if (!test::writeKit(test::sampleKit()))
        return nullptr;
    open();
    dialog_->tabs()->setCurrentIndex(tabOf(KitKind::Telescope));
    dialog_->table(KitKind::Telescope)->selectRow(row);
    QTest::mouseClick(buttonNamed(dialog_.get(), "KitEdit"), Qt::LeftButton);
    return test::openDialog<KitEntryForm>(dialog_.get());
}

void TstKitDialog::addFromTheDatabaseBySearch_data()
{
    QTest::addColumn<KitKind>("kind");
    QTest::addColumn<bool>("last"); // the database's first or last entry of the kind
    for (const KitKind kind : kKitKinds) {
        const QString word = storage::kindWord(kind);
        QTest::addRow("%s, first", qPrintable(word)) << kind << false;
        QTest::addRow("%s, last", qPrintable(word)) << kind << true;
    }
}

void TstKitDialog::addFromTheDatabaseBySearch()
{
    QFETCH(KitKind, kind);
    QFETCH(bool, last);
    const storage::Kit &db = planner::equipmentDatabase();
    const QStringList names = planner::equipmentNames(db, databaseKind(kind));
    QVERIFY2(!names.isEmpty(), "the database has entries of every kind");
    const qsizetype at = last ? names.size() - 1 : 0;
    const KitEntry wanted = entryAt(db, kind, at);

    QVERIFY(test::writeKit(test::sampleKit()));
    open();
    dialog_->tabs()->setCurrentIndex(tabOf(kind));
    const qsizetype before = countOf(dialog_->kit(), kind);
    QTest::mouseClick(buttonNamed(dialog_.get(), "KitAddFromDatabase"), Qt::LeftButton);
    auto *search = test::openDialog<DatabaseSearch>(dialog_.get());
    QVERIFY(search);
    QCOMPARE(search->focusWidget(), search->searchBox());

    // Typed in lower case with its words apart, the whole name still ranks it first, its values shown.
    QTest::keyClicks(search->searchBox(), nameOf(wanted).toLower());
    QVERIFY(search->results()->rowCount() >= 1);
    const QStringList cells = cellsOf(wanted);
    for (int col = 0; col < cells.size(); ++col)
        QCOMPARE(search->results()->item(0, col)->text(), cells.at(col));
    QCOMPARE(search->chosen(), std::optional<KitEntry>(wanted));

    // Enter adds it to the end of its list, once.
    QTest::keyClick(search->searchBox(), Qt::Key_Return);
    QCOMPARE(countOf(dialog_->kit(), kind), before + 1);
    QCOMPARE(entryAt(dialog_->kit(), kind, before), wanted);
    QCOMPARE(dialog_->table(kind)->rowCount(), int(before + 1));
    QCOMPARE(dialog_->table(kind)->item(int(before), 0)->text(), nameOf(wanted));
    QTest::mouseClick(search->addButton(), Qt::LeftButton);
    QCOMPARE(countOf(dialog_->kit(), kind), before + 1);
    QVERIFY2(search->noteLine()->text().contains(nameOf(wanted)), qPrintable(search->noteLine()->text()));

    // A search that matches nothing offers nothing to add.
    search->searchBox()->setText(QStringLiteral("zzqx no such thing"));
    QCOMPARE(search->results()->rowCount(), 0);
    QVERIFY(!search->addButton()->isEnabled());
    QTest::keyClick(search->searchBox(), Qt::Key_Escape);
    QTRY_VERIFY(!search->isVisible());
    QVERIFY(dialog_->isVisible());
}

void TstKitDialog::typedEntryIsCheckedAsTyped_data()
{
    QTest::addColumn<KitKind>("kind");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("bad");
    QTest::addColumn<bool>("notANumber"); // else a value outside the kit's limits
    QTest::newRow("telescope focal length 0") << KitKind::Telescope << "FocalLength" << "0" << false;
    QTest::newRow("telescope focal length negative") << KitKind::Telescope << "FocalLength" << "-800" << false;
    QTest::newRow("telescope aperture text") << KitKind::Telescope << "Aperture" << "wide" << true;
    QTest::newRow("telescope without a name") << KitKind::Telescope << "Name" << "" << false;
    QTest::newRow("camera pixel 0.01 µm") << KitKind::Camera << "PixelWidth" << "0.01" << false;
    QTest::newRow("camera pixel height 80 µm") << KitKind::Camera << "PixelHeight" << "80" << false;
    QTest::newRow("camera half a pixel across") << KitKind::Camera << "Width" << "12.5" << true;
    QTest::newRow("camera 0 pixels down") << KitKind::Camera << "Height" << "0" << false;
    QTest::newRow("camera binning word") << KitKind::Camera << "Binning" << "1, two" << true;
    QTest::newRow("reducer factor 0") << KitKind::Lens << "Factor" << "0" << false;
    QTest::newRow("Barlow factor 50") << KitKind::Lens << "Factor" << "50" << false;
    QTest::newRow("eyepiece 500 mm") << KitKind::Eyepiece << "FocalLength" << "500" << false;
    QTest::newRow("eyepiece apparent field 5°") << KitKind::Eyepiece << "ApparentField" << "5" << false;
}

void TstKitDialog::typedEntryIsCheckedAsTyped()
{
    QFETCH(KitKind, kind);
    QFETCH(QString, box);
    QFETCH(QString, bad);
    QFETCH(bool, notANumber);
    open();
    dialog_->tabs()->setCurrentIndex(tabOf(kind));
    QTest::mouseClick(buttonNamed(dialog_.get(), "KitNew"), Qt::LeftButton);
    auto *form = test::openDialog<KitEntryForm>(dialog_.get());
    QVERIFY(form);
    // Nothing typed yet: nothing to add, and nothing called wrong.
    QVERIFY(!form->okButton()->isEnabled());
    QVERIFY(!form->problemLine()->isVisible());

    for (const auto &[name, value] : goodValues(kind))
        retype(::box(form, name), value);
    QVERIFY2(form->okButton()->isEnabled(), qPrintable(form->problemLine()->text()));
    QVERIFY(!form->problemLine()->isVisible());

    QLineEdit *edit = ::box(form, qPrintable(box));
    QVERIFY(edit);
    const QString good = edit->text();
    retype(edit, bad);
    QVERIFY(!form->okButton()->isEnabled());
    QVERIFY(isMarkedInvalid(edit));
    QVERIFY(form->problemLine()->isVisible());
    QVERIFY(!form->entry());
    const QString line = form->problemLine()->text();
    if (notANumber) {
        QVERIFY2(line.contains(edit->accessibleName()), qPrintable(line));
    } else {
        // The kit's own wording of what is wrong.
        QVERIFY2(!line.isEmpty() && !line.contains(QStringLiteral("not a number")), qPrintable(line));
    }
    // The other boxes are not blamed.
    for (const auto &[name, value] : goodValues(kind)) {
        if (QLatin1String(name) != box)
            QVERIFY2(!isMarkedInvalid(::box(form, name)), name);
    }
    // Return cannot add what is refused.
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(form->isVisible());
    QCOMPARE(countOf(dialog_->kit(), kind), 0);

    retype(edit, good);
    QVERIFY(!isMarkedInvalid(edit));
    QVERIFY(form->okButton()->isEnabled());
    QVERIFY(form->entry());
    QCOMPARE(problemOf(*form->entry()), QString());
    const KitEntry entry = *form->entry();
    QTest::mouseClick(form->okButton(), Qt::LeftButton);
    QCOMPARE(countOf(dialog_->kit(), kind), 1);
    QCOMPARE(entryAt(dialog_->kit(), kind, 0), entry);
    QCOMPARE(nameOf(entry), goodValues(kind).first().second);
}

void TstKitDialog::editChangesTheEntry()
{
    KitEntryForm *form = editSampleTelescope(1);
    QVERIFY(form);
    // It starts from the entry's values.
    QCOMPARE(box(form, "Name")->text(), QStringLiteral("Little refractor"));
    QCOMPARE(box(form, "FocalLength")->text(), QStringLiteral("400"));
    QVERIFY(form->okButton()->isEnabled());
    retype(box(form, "FocalLength"), "420");
    QTest::mouseClick(form->okButton(), Qt::LeftButton);
    const storage::Kit kit = dialog_->kit();
    QCOMPARE(kit.telescopes.size(), 2);
    QCOMPARE(kit.telescopes.at(1), (storage::KitTelescope{"Little refractor", 420, 70}));
    QCOMPARE(kit.telescopes.at(0), test::sampleKit().telescopes.at(0));
    QCOMPARE(dialog_->table(KitKind::Telescope)->item(1, 1)->text(), QStringLiteral("420"));
    // The file changes only on OK or Apply.
    QCOMPARE(storage::readKitFile(storage::kitFilePath()).kit, test::sampleKit());
}

void TstKitDialog::editToAnotherEntrysNameIsRefused()
{
    KitEntryForm *form = editSampleTelescope(1);
    QVERIFY(form);
    retype(box(form, "Name"), "my c8");
    QTest::mouseClick(form->okButton(), Qt::LeftButton);
    QCOMPARE(dialog_->kit(), test::sampleKit());
    QVERIFY2(dialog_->statusLine()->text().contains(QStringLiteral("Little refractor")),
             qPrintable(dialog_->statusLine()->text()));
}

void TstKitDialog::removeTakesTheSelectedEntry()
{
    QVERIFY(test::writeKit(test::sampleKit()));
    open();
    dialog_->tabs()->setCurrentIndex(tabOf(KitKind::Camera));
    QTableWidget *cameras = dialog_->table(KitKind::Camera);
    cameras->setFocus();
    cameras->selectRow(0);
    QTest::mouseClick(buttonNamed(dialog_.get(), "KitRemove"), Qt::LeftButton);
    storage::Kit expected = test::sampleKit();
    expected.cameras.removeFirst();
    QCOMPARE(dialog_->kit(), expected);
    QCOMPARE(cameras->rowCount(), 1);
    QCOMPARE(cameras->item(0, 0)->text(), QStringLiteral("Guide cam"));
    // The last one goes too, and then there is nothing to remove or edit.
    cameras->selectRow(0);
    QTest::mouseClick(buttonNamed(dialog_.get(), "KitRemove"), Qt::LeftButton);
    QCOMPARE(dialog_->kit().cameras.size(), 0);
    QVERIFY(!buttonNamed(dialog_.get(), "KitRemove")->isEnabled());
    QVERIFY(!buttonNamed(dialog_.get(), "KitEdit")->isEnabled());
}

void TstKitDialog::okWritesTheKitReadBackWhole()
{
    open();
    QVERIFY(!QFile::exists(storage::kitFilePath()));
    const storage::Kit kit = test::sampleKit();
    for (const KitKind kind : kKitKinds) {
        for (qsizetype i = 0; i < countOf(kit, kind); ++i)
            QVERIFY(dialog_->addEntry(entryAt(kit, kind, i)));
    }
    QSignalSpy saved(dialog_.get(), &KitDialog::saved);
    QTest::mouseClick(dialog_->buttons()->button(QDialogButtonBox::Apply), Qt::LeftButton);
    QCOMPARE(saved.size(), 1);
    QCOMPARE(storage::readKitFile(storage::kitFilePath()).kit, kit);
    QVERIFY(dialog_->isVisible());

    dialog_->table(KitKind::Eyepiece)->selectRow(0);
    dialog_->tabs()->setCurrentIndex(tabOf(KitKind::Eyepiece));
    QTest::mouseClick(buttonNamed(dialog_.get(), "KitRemove"), Qt::LeftButton);
    QTest::mouseClick(dialog_->buttons()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    QCOMPARE(saved.size(), 2);
    QVERIFY(!dialog_->isVisible());
    storage::Kit expected = kit;
    expected.eyepieces.clear();
    const storage::KitFile file = storage::readKitFile(storage::kitFilePath());
    QCOMPARE(file.problem, QString());
    QCOMPARE(file.kit, expected);
}

void TstKitDialog::cancelWritesNothing()
{
    QVERIFY(test::writeKit(test::sampleKit()));
    const QByteArray before = test::kitBytes();
    open();
    dialog_->tabs()->setCurrentIndex(tabOf(KitKind::Telescope));
    dialog_->table(KitKind::Telescope)->selectRow(0);
    QTest::mouseClick(buttonNamed(dialog_.get(), "KitRemove"), Qt::LeftButton);
    QTest::keyClick(dialog_.get(), Qt::Key_Escape);
    QVERIFY(!dialog_->isVisible());
    QCOMPARE(test::kitBytes(), before);
}

QTEST_MAIN(TstKitDialog)
#include "tst_kit_dialog.moc"
