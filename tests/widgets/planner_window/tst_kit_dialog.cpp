// The Kit dialog as a user works it: adding from the database by search, typing entries (and
// being refused), editing, removing, importing and exporting, saving, and a kit file it cannot
// read left alone. A private home keeps the user's own kit out of reach.

#include "support/widgets/private_home.h"
#include "calculator/core/numbers.h"
#include "planner/equipment_database.h"
#include "storage/kit_checks.h"
#include "storage/kit_file.h"
#include "storage/kit_import.h"
#include "widgets/planner_window/database_search.h"
#include "widgets/planner_window/field_mark.h"
#include "widgets/planner_window/import_report.h"
#include "widgets/planner_window/kit_dialog.h"
#include "widgets/planner_window/kit_entry_form.h"
#include "widgets/planner_window/kit_fixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include <memory>

using namespace vkp2;
using namespace vkp2::planner_window;
using storage::KitKind;

Q_DECLARE_METATYPE(storage::KitKind)
Q_DECLARE_METATYPE(storage::KitFormat)

namespace {

QPushButton *buttonNamed(QWidget *in, const char *name)
{
    return in->findChild<QPushButton *>(QLatin1String(name));
}

QLineEdit *box(KitEntryForm *form, const char *name) { return form->findChild<QLineEdit *>(QLatin1String(name)); }

void retype(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

int tabOf(KitKind kind) { return int(std::find(kKitKinds.begin(), kKitKinds.end(), kind) - kKitKinds.begin()); }

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

QStringList mnemonics(const QString &text)
{
    QStringList out;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) == '&') {
            if (text.at(i + 1) != '&')
                out << text.at(i + 1).toLower();
            ++i;
        }
    }
    return out;
}

} // namespace

class TstKitDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void addFromTheDatabaseBySearch_data();
    void addFromTheDatabaseBySearch();
    void typedEntryIsCheckedAsTyped_data();
    void typedEntryIsCheckedAsTyped();
    void editChangesTheEntry();
    void editToAnotherEntrysNameIsRefused();
    void removeTakesTheSelectedEntry();
    void okWritesTheKitReadBackWhole();
    void cancelWritesNothing();
    void unreadableKitFileIsLeftAlone_data();
    void unreadableKitFileIsLeftAlone();
    void importWithErrorsTakesNothingUnlessAsked_data();
    void importWithErrorsTakesNothingUnlessAsked();
    void exportReadsBack_data();
    void exportReadsBack();
    void refusedWriteIsReported_data();
    void refusedWriteIsReported();
    void keyboardAndScreenReaders();

private:
    void open();
    // The sample kit's telescope at `row` in the Edit form.
    KitEntryForm *editSampleTelescope(int row);
    test::PrivateHome home_;
    std::unique_ptr<KitDialog> dialog_;
};

void TstKitDialog::initTestCase()
{
    QVERIFY(home_.enter());
    QLocale::setDefault(QLocale::c());
}

void TstKitDialog::init() { QFile::remove(storage::kitFilePath(storage::FolderCreation::Create)); }

void TstKitDialog::cleanup() { dialog_.reset(); }

void TstKitDialog::open()
{
    dialog_ = std::make_unique<KitDialog>(storage::kitFilePath(storage::FolderCreation::Create));
    dialog_->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
}

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

void TstKitDialog::unreadableKitFileIsLeftAlone_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("not JSON") << QByteArray("{ \"format\": \"vkp2-kit\", \"telescopes\": [ {\"name\": ");
    QTest::newRow("no kit") << QByteArray("[1, 2, 3]\n");
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
}

void TstKitDialog::unreadableKitFileIsLeftAlone()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(test::writeRaw(bytes));
    open();
    QVERIFY(!dialog_->canSave());
    QVERIFY(dialog_->fileProblem()->isVisible());
    const QString says = dialog_->fileProblem()->text();
    QVERIFY2(says.contains(QDir::toNativeSeparators(storage::kitFilePath())), qPrintable(says));
    QVERIFY2(says.contains(storage::readKitFile(storage::kitFilePath()).problem), qPrintable(says));
    for (const char *name : {"KitNew", "KitEdit", "KitRemove", "KitImport", "KitExport"})
        QVERIFY2(!buttonNamed(dialog_.get(), name)->isEnabled(), name);
    QVERIFY(!dialog_->buttons()->button(QDialogButtonBox::Apply)->isEnabled());

    // The database can still be looked at, not added from.
    QTest::mouseClick(buttonNamed(dialog_.get(), "KitAddFromDatabase"), Qt::LeftButton);
    auto *search = test::openDialog<DatabaseSearch>(dialog_.get());
    QVERIFY(search);
    QTest::keyClicks(search->searchBox(), planner::equipmentNames(planner::equipmentDatabase(),
                                                                  planner::EquipmentKind::Telescope).value(0));
    QVERIFY(search->results()->rowCount() > 0);
    QVERIFY(!search->addButton()->isVisible());
    QTest::keyClick(search->searchBox(), Qt::Key_Return);
    QVERIFY(dialog_->kit().isEmpty());
    search->close();

    QVERIFY(!dialog_->addEntry(storage::KitTelescope{"Sneaked in", 1000, 100}));
    QTest::mouseClick(dialog_->buttons()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    QVERIFY(!dialog_->isVisible());
    QCOMPARE(test::kitBytes(), bytes);
}

void TstKitDialog::importWithErrorsTakesNothingUnlessAsked_data()
{
    QTest::addColumn<bool>("takeOthers");
    QTest::newRow("take nothing") << false;
    QTest::newRow("take the others") << true;
}

void TstKitDialog::importWithErrorsTakesNothingUnlessAsked()
{
    QFETCH(bool, takeOthers);
    // A kit of another machine, one telescope of it wrong.
    const QString path = home_.filePath(QStringLiteral("other-kit.json"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(R"({ "format": "vkp2-kit", "version": 1,
  "telescopes": [ { "name": "Imported scope", "focal_length_mm": 1000, "aperture_mm": 100 },
                  { "name": "Broken scope", "focal_length_mm": -5, "aperture_mm": 100 },
                  { "name": "My C8", "focal_length_mm": 2032, "aperture_mm": 203 } ],
  "cameras": [], "lenses": [], "eyepieces": [] })");
    f.close();
    const storage::KitImport import = storage::importKitFile(path);
    QCOMPARE(import.problem, QString());
    QVERIFY(!import.errors.isEmpty());

    QVERIFY(test::writeKit(test::sampleKit()));
    open();
    dialog_->importFile(path);
    auto *report = test::openDialog<ImportReport>(dialog_.get());
    QVERIFY(report);
    const QString text = report->text()->toPlainText();
    QVERIFY2(text.contains(QStringLiteral("Imported scope")), qPrintable(text));
    QVERIFY2(text.contains(import.errors.first()), qPrintable(text));
    // The kit's own C8 is not taken twice.
    QVERIFY2(text.contains(QStringLiteral("Held by the kit already: 1")), qPrintable(text));
    QCOMPARE(dialog_->kit(), test::sampleKit());
    QVERIFY(report->takeButton());
    if (takeOthers) {
        QTest::mouseClick(report->takeButton(), Qt::LeftButton);
        storage::Kit expected = test::sampleKit();
        expected.telescopes << storage::KitTelescope{"Imported scope", 1000, 100};
        QCOMPARE(dialog_->kit(), expected);
    } else {
        QTest::mouseClick(report->findChild<QPushButton *>("TakeNothing"), Qt::LeftButton);
        QCOMPARE(dialog_->kit(), test::sampleKit());
    }
    QTRY_VERIFY(!report->isVisible() || report->isHidden());
}

void TstKitDialog::exportReadsBack_data()
{
    QTest::addColumn<storage::KitFormat>("format");
    QTest::addColumn<QString>("name");
    QTest::newRow("json") << storage::KitFormat::Json << "out.json";
    QTest::newRow("ocular-ini") << storage::KitFormat::OcularIni << "ocular.ini";
    QTest::newRow("oal") << storage::KitFormat::Oal << "out.oal.xml";
}

void TstKitDialog::exportReadsBack()
{
    QFETCH(storage::KitFormat, format);
    QFETCH(QString, name);
    QVERIFY(test::writeKit(test::sampleKit()));
    open();
    const QString path = home_.filePath(name);
    QFile::remove(path);
    QVERIFY(dialog_->exportTo(path, format));
    const storage::KitImport back = storage::importKitFile(path);
    QCOMPARE(back.problem, QString());
    QCOMPARE(back.format, format);
    // Every name comes back; the formats keep what they can of the values.
    for (const KitKind kind : kKitKinds) {
        QStringList want, got;
        for (qsizetype i = 0; i < countOf(test::sampleKit(), kind); ++i)
            want << nameOf(entryAt(test::sampleKit(), kind, i));
        for (qsizetype i = 0; i < countOf(back.kit, kind); ++i)
            got << nameOf(entryAt(back.kit, kind, i));
        if (format == storage::KitFormat::Json)
            QCOMPARE(got, want);
        else
            for (const QString &n : got)
                QVERIFY2(want.contains(n), qPrintable(n));
    }
    if (format == storage::KitFormat::Json)
        QCOMPARE(back.kit, test::sampleKit());
    QVERIFY2(dialog_->statusLine()->text().contains(QDir::toNativeSeparators(path)),
             qPrintable(dialog_->statusLine()->text()));
    // Exporting writes no kit.
    QCOMPARE(storage::readKitFile(storage::kitFilePath()).kit, test::sampleKit());
}

void TstKitDialog::refusedWriteIsReported_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("says");
    // A kind past the cap could never be read again.
    QTest::newRow("saving a kind over the cap") << "save" << storage::tooManyEntriesProblem();
    // Another format in the kit file's place would leave a kit no start reads.
    QTest::newRow("exporting over the kit file") << "export" << "the kit file itself";
}

void TstKitDialog::refusedWriteIsReported()
{
    QFETCH(QString, action);
    QFETCH(QString, says);
    storage::Kit full;
    for (int i = 0; i < storage::kit_limits::kMaxEntriesPerKind; ++i)
        full.telescopes << storage::KitTelescope{QStringLiteral("Scope %1").arg(i), 1000, 100};
    QVERIFY(test::writeKit(action == "save" ? full : test::sampleKit()));
    const QByteArray before = test::kitBytes();
    open();
    QSignalSpy saved(dialog_.get(), &KitDialog::saved);
    if (action == "save") {
        QVERIFY(dialog_->addEntry(storage::KitTelescope{QStringLiteral("One More"), 500, 50}));
        QTest::mouseClick(dialog_->buttons()->button(QDialogButtonBox::Apply), Qt::LeftButton);
        QCOMPARE(saved.size(), 0);
    } else {
        QVERIFY(!dialog_->exportTo(storage::kitFilePath(), storage::KitFormat::Oal));
    }
    QVERIFY2(dialog_->statusLine()->text().contains(says), qPrintable(dialog_->statusLine()->text()));
    QCOMPARE(test::kitBytes(), before);
}

void TstKitDialog::keyboardAndScreenReaders()
{
    QVERIFY(test::writeKit(test::sampleKit()));
    open();
    // Every control is named for screen readers and has a mnemonic of its own.
    QStringList unnamed, seen, clashes;
    for (QWidget *w : dialog_->findChildren<QWidget *>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(dialog_.get()))
            continue;
        const auto *button = qobject_cast<QAbstractButton *>(w);
        if (w->accessibleName().isEmpty() && !(button && !button->text().isEmpty()))
            unnamed << w->metaObject()->className() + QStringLiteral(" ") + w->objectName();
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
    QStringList texts;
    for (QAbstractButton *b : dialog_->findChildren<QAbstractButton *>())
        texts << b->text();
    for (int i = 0; i < dialog_->tabs()->count(); ++i)
        texts << dialog_->tabs()->tabText(i);
    for (const QString &t : texts) {
        for (const QString &m : mnemonics(t)) {
            if (seen.contains(m))
                clashes << t;
            seen << m;
        }
    }
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(", ")));
    QVERIFY(seen.size() >= 10);

    // Alt and a tab's letter goes to the tab; Tab walks from the list through the buttons.
    dialog_->tabs()->setFocus();
    QTest::keyClick(dialog_.get(), Qt::Key_C, Qt::AltModifier);
    QCOMPARE(dialog_->currentKind(), KitKind::Camera);
    dialog_->table(KitKind::Camera)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), buttonNamed(dialog_.get(), "KitAddFromDatabase"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), buttonNamed(dialog_.get(), "KitNew"));

    // Alt+E edits the selected camera; Escape closes the form, then the dialog, changing nothing.
    dialog_->table(KitKind::Camera)->selectRow(0);
    QTest::keyClick(dialog_.get(), Qt::Key_E, Qt::AltModifier);
    auto *form = test::openDialog<KitEntryForm>(dialog_.get());
    QVERIFY(form);
    QCOMPARE(form->findChild<QLineEdit *>("Name")->text(), QStringLiteral("Planet cam"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!form->isVisible());
    QTest::keyClick(dialog_.get(), Qt::Key_Escape);
    QVERIFY(!dialog_->isVisible());
    QCOMPARE(storage::readKitFile(storage::kitFilePath()).kit, test::sampleKit());
}

QTEST_MAIN(TstKitDialog)
#include "tst_kit_dialog.moc"
