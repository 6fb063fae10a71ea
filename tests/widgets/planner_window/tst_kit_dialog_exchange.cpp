// The Kit dialog with other files and other hands: a kit file it cannot read left alone,
// importing with errors, exporting in each format, and working it by keyboard and screen
// reader. A private home keeps the user's own kit out of reach.

#include "kit_fixture.h"
#include "kit_dialog_fixture.h"
#include "planner/equipment_database.h"
#include "storage/kit_checks.h"
#include "storage/kit_file.h"
#include "storage/kit_import.h"
#include "widgets/planner_window/database_search.h"
#include "widgets/planner_window/import_report.h"
#include "widgets/planner_window/kit_dialog.h"
#include "widgets/planner_window/kit_entry_form.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

using namespace vkp2;
using namespace vkp2::planner_window;
using storage::KitKind;
using test::buttonNamed;

Q_DECLARE_METATYPE(storage::KitFormat)

namespace {

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

class TstKitDialogExchange : public QObject, private test::KitDialogFixture {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(enterHome()); }
    void init() { removeKitFile(); }
    void cleanup() { dialog_.reset(); }

    void unreadableKitFileIsLeftAlone_data();
    void unreadableKitFileIsLeftAlone();
    void importWithErrorsTakesNothingUnlessAsked_data();
    void importWithErrorsTakesNothingUnlessAsked();
    void exportReadsBack_data();
    void exportReadsBack();
    void refusedWriteIsReported_data();
    void refusedWriteIsReported();
    void keyboardAndScreenReaders();
};

void TstKitDialogExchange::unreadableKitFileIsLeftAlone_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("not JSON") << QByteArray("{ \"format\": \"vkp2-kit\", \"telescopes\": [ {\"name\": ");
    QTest::newRow("no kit") << QByteArray("[1, 2, 3]\n");
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
}

void TstKitDialogExchange::unreadableKitFileIsLeftAlone()
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

void TstKitDialogExchange::importWithErrorsTakesNothingUnlessAsked_data()
{
    QTest::addColumn<bool>("takeOthers");
    QTest::newRow("take nothing") << false;
    QTest::newRow("take the others") << true;
}

void TstKitDialogExchange::importWithErrorsTakesNothingUnlessAsked()
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

void TstKitDialogExchange::exportReadsBack_data()
{
    QTest::addColumn<storage::KitFormat>("format");
    QTest::addColumn<QString>("name");
    QTest::newRow("json") << storage::KitFormat::Json << "out.json";
    QTest::newRow("ocular-ini") << storage::KitFormat::OcularIni << "ocular.ini";
    QTest::newRow("oal") << storage::KitFormat::Oal << "out.oal.xml";
}

void TstKitDialogExchange::exportReadsBack()
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

void TstKitDialogExchange::refusedWriteIsReported_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("says");
    // A kind past the cap could never be read again.
    QTest::newRow("saving a kind over the cap") << "save" << storage::tooManyEntriesProblem();
    // Another format in the kit file's place would leave a kit no start reads.
    QTest::newRow("exporting over the kit file") << "export" << "the kit file itself";
}

void TstKitDialogExchange::refusedWriteIsReported()
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

void TstKitDialogExchange::keyboardAndScreenReaders()
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
    // To the form's own focus: under a slow build the window manager may not have moved the
    // application's focus into the form yet.
    QTest::keyClick(form->focusWidget() ? form->focusWidget() : form, Qt::Key_Escape);
    QTRY_VERIFY(!form->isVisible());
    QTest::keyClick(dialog_.get(), Qt::Key_Escape);
    QVERIFY(!dialog_->isVisible());
    QCOMPARE(storage::readKitFile(storage::kitFilePath()).kit, test::sampleKit());
}

QTEST_MAIN(TstKitDialogExchange)
#include "tst_kit_dialog_exchange.moc"
