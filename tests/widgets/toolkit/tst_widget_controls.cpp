// The toolkit contract's rules, on real QLineEdit and QComboBox widgets.

#include "support/calculator/recorded_message_boxes.h"
#include "widgets/toolkit/widget_controls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

using namespace vkp2;

class TstWidgetControls : public QObject {
    Q_OBJECT
private slots:
    void programWriteRunsChangeHandlerAtOnce_data();
    void programWriteRunsChangeHandlerAtOnce();
    void typingRunsHandlerPerKeystroke();
    void nestedWriteCompletesBeforeWriterGoesOn();
    void disabledFieldIsWrittenButTakesNoTyping();
    void listShowsNothingBeforeAChoice();
    void programSelection_data();
    void programSelection();
    void userChoiceRunsHandlerEvenForShownEntry();
    void keyboardChoiceRunsHandler();
    void messageTitleDefaultsToApplicationTitle();
};

void TstWidgetControls::programWriteRunsChangeHandlerAtOnce_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("runs");
    QTest::newRow("new text") << "5" << "55" << 1;
    QTest::newRow("same text") << "55" << "55" << 0;
    QTest::newRow("emptied") << "55" << "" << 1;
    QTest::newRow("same empty") << "" << "" << 0;
}

void TstWidgetControls::programWriteRunsChangeHandlerAtOnce()
{
    QFETCH(QString, before);
    QFETCH(QString, written);
    QFETCH(int, runs);
    QLineEdit edit(before);
    LineEditField field(&edit);
    QStringList seen;
    field.onChange([&] { seen << field.text(); });
    field.setText(written);
    QCOMPARE(seen.size(), runs); // counted before setText returned: synchronous
    if (runs)
        QCOMPARE(seen.first(), written);
}

void TstWidgetControls::typingRunsHandlerPerKeystroke()
{
    QLineEdit edit;
    LineEditField field(&edit);
    QStringList seen;
    field.onChange([&] { seen << field.text(); });
    QTest::keyClicks(&edit, "200");
    QCOMPARE(seen, (QStringList{"2", "20", "200"}));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(seen.last(), QString("20"));
}

void TstWidgetControls::nestedWriteCompletesBeforeWriterGoesOn()
{
    QLineEdit a, b;
    LineEditField fa(&a), fb(&b);
    QStringList log;
    fb.onChange([&] { log << "b:" + fb.text(); });
    fa.onChange([&] {
        log << "a-start:" + fa.text();
        if (fa.text() == "0")
            fa.setText("50"); // re-enters this handler, nested
        fb.setText(fa.text());
        log << "a-end:" + fa.text();
    });
    QTest::keyClicks(&a, "0");
    QCOMPARE(log, (QStringList{"a-start:0", "a-start:50", "b:50", "a-end:50", "a-end:50"}));
    QCOMPARE(a.text(), QString("50"));
}

void TstWidgetControls::disabledFieldIsWrittenButTakesNoTyping()
{
    QLineEdit edit("1");
    edit.setEnabled(false);
    LineEditField field(&edit);
    int runs = 0;
    field.onChange([&] { ++runs; });
    QTest::keyClicks(&edit, "9");
    QCOMPARE(edit.text(), QString("1"));
    field.setText("2");
    QCOMPARE(runs, 1);
    QVERIFY(!field.isEnabled());
}

void TstWidgetControls::listShowsNothingBeforeAChoice()
{
    QComboBox combo;
    ComboList list(&combo);
    int runs = 0;
    list.onChoose([&] { ++runs; });
    list.addItem("1x1");
    list.addItem("2x2");
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.text(), QString());
    QCOMPARE(runs, 0);
    QVERIFY(list.setText("1x1"));
    list.addItem("3x3"); // a later entry does not move the choice
    QCOMPARE(list.text(), QString("1x1"));
}

void TstWidgetControls::programSelection_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("matches");
    QTest::newRow("entry") << "WS 5mm" << true;
    QTest::newRow("other case") << "ws 5mm" << false;
    QTest::newRow("part of an entry") << "WS 5" << false;
    QTest::newRow("trailing space") << "WS 5mm " << false;
    QTest::newRow("empty") << "" << false;
}

void TstWidgetControls::programSelection()
{
    QFETCH(QString, text);
    QFETCH(bool, matches);
    QComboBox combo;
    ComboList list(&combo);
    for (const char *e : {"No-VKP2", "WS 5mm", "WS 7.5mm"})
        list.addItem(e);
    QVERIFY(list.setText("WS 7.5mm"));
    QStringList seen;
    list.onChoose([&] { seen << list.text(); });
    QCOMPARE(list.setText(text), matches);
    QCOMPARE(seen, matches ? QStringList{text} : QStringList{});
    QCOMPARE(list.text(), matches ? text : QString("WS 7.5mm"));
    // Selecting the shown entry again is a choice too.
    QVERIFY(list.setText(list.text()));
    QCOMPARE(seen.size(), matches ? 2 : 1);
}

void TstWidgetControls::userChoiceRunsHandlerEvenForShownEntry()
{
    QComboBox combo;
    ComboList list(&combo);
    list.addItem("1x1");
    list.addItem("2x2");
    list.setText("2x2");
    int runs = 0;
    list.onChoose([&] { ++runs; });
    emit combo.activated(combo.currentIndex()); // what the popup reports for a re-choice
    QCOMPARE(runs, 1);
    QCOMPARE(list.text(), QString("2x2"));
}

void TstWidgetControls::keyboardChoiceRunsHandler()
{
    QComboBox combo;
    ComboList list(&combo);
    list.addItem("1x1");
    list.addItem("2x2");
    list.setText("1x1");
    QStringList seen;
    list.onChoose([&] { seen << list.text(); });
    combo.show();
    combo.setFocus();
    QTest::keyClick(&combo, Qt::Key_Down);
    QCOMPARE(seen, QStringList{"2x2"});
}

void TstWidgetControls::messageTitleDefaultsToApplicationTitle()
{
    RecordedMessageBoxes boxes;
    boxes.show("System Information Is Unavailable At This Time", QString(), MessageIcon::None);
    boxes.show("This camera does not support 3x3 Binning", "Note", MessageIcon::Information);
    QCOMPARE(boxes.shown.size(), 2);
    QCOMPARE(boxes.shown[0].title, QString("VKP2"));
    QCOMPARE(boxes.shown[1],
             (ShownMessage{"This camera does not support 3x3 Binning", "Note", MessageIcon::Information}));
}

QTEST_MAIN(TstWidgetControls)
#include "tst_widget_controls.moc"
