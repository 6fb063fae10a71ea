// The main window as a user meets it: captions, names read by screen readers, focus order,
// fonts, the status bar and resizing.

#include "support/widgets/window_fixture.h"
#include "widgets/main_window/clock_status_bar.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QScopeGuard>
#include <QtTest>

using namespace vkp2;

class TstMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void captionsAndMenu();
    void accessibleNames_data();
    void accessibleNames();
    void labelsShowWholeText();
    void resultFontsAreBold();
    void focusOrder_data();
    void focusOrder();
    void outputFieldsTakeNoTyping();
    void resultsReadInTextColour_data();
    void resultsReadInTextColour();
    void cameraNameInFullAsTooltip_data();
    void cameraNameInFullAsTooltip();
    void statusBarShowsDateAndTime();
    void resizingMovesOnlyTheStatusBar();
    void drawingIsSharpAtTheScreenScale();

private:
    QWidget *child(const QString &name) const { return f->window->findChild<QWidget *>(name); }
    std::unique_ptr<test::WindowFixture> f;
};

void TstMainWindow::init()
{
    f = std::make_unique<test::WindowFixture>();
    f->window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f->window.get()));
}

void TstMainWindow::cleanup() { f.reset(); }

void TstMainWindow::captionsAndMenu()
{
    QCOMPARE(f->window->windowTitle(), QString("VKP-2 Calculator"));
    QVERIFY(!f->window->windowIcon().isNull());
    const QList<QAction *> entries = f->window->menuBar()->actions();
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.first()->text(), QString("&About ")); // access key A, trailing space
    QCOMPARE(entries.first()->objectName(), QString("mnuHelpAbout"));
    QStringList frames;
    for (const char *name : {"Frame2", "Frame4", "Frame1", "Frame3", "Frame5"})
        frames << f->window->findChild<QGroupBox *>(name)->title();
    QCOMPARE(frames, (QStringList{"Telescope Properties", "Ocular Factor", "Projection Distance",
                                  "Results", "CCD Camera Field of View and Pixel Scale"}));
    const auto *updates = f->window->findChild<QLabel *>("Label19");
    QVERIFY(updates->text().endsWith(" for updates."));
    QVERIFY(!updates->text().startsWith(" "));
}

void TstMainWindow::accessibleNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<QString>("label");
    QTest::newRow("Telescope") << "Telescope" << "Telescope" << "Label5";
    QTest::newRow("Flength") << "Flength" << "Focal Length (mm)" << "Label6";
    QTest::newRow("Aperture") << "Aperture" << "Aperture (mm)" << "Label10";
    QTest::newRow("Fratio") << "Fratio" << "F-Ratio" << "Label11";
    QTest::newRow("Ocular") << "Ocular" << "Ocular in VKP-2" << "Label1";
    QTest::newRow("Distance_tl") << "Distance_tl" << "Distance TL (0-30mm)" << "Label8";
    QTest::newRow("Distance_d") << "Distance_d" << "Cam. Focal Distance D (mm)" << "Label9";
    QTest::newRow("efl") << "efl" << "Extended Focal Length (mm)" << "Label3";
    QTest::newRow("efr") << "efr" << "Extended Focal Ratio" << "Label4";
    QTest::newRow("Ccd") << "Ccd" << "CCD Camera" << "Label2";
    QTest::newRow("Binning") << "Binning" << "Binning" << "Label20";
    QTest::newRow("Pixelsize_width") << "Pixelsize_width" << "Pixel Size (microns) Width" << "Label14";
    QTest::newRow("Pixelsize_height") << "Pixelsize_height" << "Pixel Size (microns) Height" << "";
    QTest::newRow("Chipsize_width") << "Chipsize_width" << "Chip Size (pixels) Width" << "Label15";
    QTest::newRow("Chipsize_height") << "Chipsize_height" << "Chip Size (pixels) Height" << "";
    QTest::newRow("Fov_width") << "Fov_width" << "FOV Width (arcmin)" << "Label7";
    QTest::newRow("Fov_height") << "Fov_height" << "FOV Height (arcmin)" << "Label12";
    QTest::newRow("Pixelscale_width") << "Pixelscale_width" << "Scale W (arcsec/pixel)" << "Label13";
    QTest::newRow("Pixelscale_height") << "Pixelscale_height" << "Scale H (arcsec/pixel)" << "Label18";
}

void TstMainWindow::accessibleNames()
{
    QFETCH(QString, control);
    QFETCH(QString, spoken);
    QFETCH(QString, label);
    QWidget *widget = child(control);
    QVERIFY(widget);
    QCOMPARE(widget->accessibleName(), spoken);
    if (!label.isEmpty())
        QCOMPARE(f->window->findChild<QLabel *>(label)->buddy(), widget);
}

void TstMainWindow::labelsShowWholeText()
{
    for (const QLabel *label : f->window->findChildren<QLabel *>()) {
        if (!label->objectName().startsWith("Label"))
            continue;
        const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text());
        QVERIFY2(needed <= label->width(), qPrintable(label->objectName() + ": " + label->text()));
        QVERIFY2(label->font().pointSizeF() >= 6.0, qPrintable(label->objectName()));
    }
}

void TstMainWindow::resultFontsAreBold()
{
    for (const char *name : {"efl", "efr", "Fov_width", "Fov_height", "Pixelscale_width", "Pixelscale_height"}) {
        QVERIFY(child(name)->font().bold());
        QCOMPARE(child(name)->font().pointSizeF(), 9.75);
    }
    for (const char *name : {"Label3", "Label4", "Label7", "Label12", "Label13", "Label18"})
        QVERIFY(child(name)->font().bold());
    for (const char *name : {"Flength", "Distance_d", "Label5", "Label19"})
        QVERIFY(!child(name)->font().bold());
}

void TstMainWindow::focusOrder_data()
{
    QTest::addColumn<QString>("telescope");
    QTest::addColumn<QString>("camera");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("start-up defaults")
        << "DR-106" << "None or Film"
        << QStringList{"Distance_tl", "Distance_d", "Telescope", "Ocular", "Ccd", "Distance_tl"};
    QTest::newRow("user-defined everything")
        << "User-Defined" << "User-Defined"
        << QStringList{"Distance_tl", "Distance_d", "Flength", "Aperture", "Telescope", "Ocular", "Ccd",
                       "Pixelsize_width", "Pixelsize_height", "Chipsize_width", "Chipsize_height", "Distance_tl"};
    QTest::newRow("binning camera") << "DR-106" << "SBIG ST-8E"
                                    << QStringList{"Distance_tl", "Distance_d", "Telescope", "Ocular", "Ccd",
                                                   "Binning", "Distance_tl"};
}

void TstMainWindow::focusOrder()
{
    QFETCH(QString, telescope);
    QFETCH(QString, camera);
    QFETCH(QStringList, order);
    f->window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
    QCOMPARE(QApplication::focusWidget(), child("Distance_tl")); // first enabled at start
    QVERIFY(test::chooseAsUser(f->w()[List::Telescope], telescope));
    QVERIFY(test::chooseAsUser(f->w()[List::Ccd], camera));
    child("Distance_tl")->setFocus();
    QStringList seen{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(seen, order);
}

void TstMainWindow::outputFieldsTakeNoTyping()
{
    for (const char *name : {"efl", "efr", "Fratio", "Fov_width", "Pixelscale_height"}) {
        auto *edit = f->window->findChild<QLineEdit *>(name);
        const QString before = edit->text();
        QTest::keyClicks(edit, "123");
        QCOMPARE(edit->text(), before);
        QVERIFY(!edit->isEnabled());
        QCOMPARE(edit->focusPolicy(), Qt::NoFocus);
    }
}

void TstMainWindow::resultsReadInTextColour_data()
{
    QTest::addColumn<bool>("atStart"); // the palette is the application's at start, or set later
    QTest::addColumn<QColor>("button");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("greyed"); // the palette's own disabled text
    for (bool atStart : {true, false}) {
        const char *when = atStart ? "at start" : "changed later";
        QTest::addRow("light, %s", when) << atStart << QColor("#efefef") << QColor("#101010") << QColor("#a0a0a0");
        QTest::addRow("dark, %s", when) << atStart << QColor("#303030") << QColor("#f0f0f0") << QColor("#707070");
    }
}

void TstMainWindow::resultsReadInTextColour()
{
    QFETCH(bool, atStart);
    QFETCH(QColor, button);
    QFETCH(QColor, text);
    QFETCH(QColor, greyed);
    QPalette palette(button);
    palette.setColor(QPalette::Active, QPalette::Text, text);
    palette.setColor(QPalette::Inactive, QPalette::Text, text);
    palette.setColor(QPalette::Disabled, QPalette::Text, greyed);
    const QPalette saved = QApplication::palette();
    const auto restore = qScopeGuard([&] { QApplication::setPalette(saved); });
    if (atStart) {
        f.reset();
        QApplication::setPalette(palette);
        f = std::make_unique<test::WindowFixture>();
        f->window->show();
    } else {
        f->window->setPalette(palette); // reaches the boxes as a palette change
    }

    for (const char *name : {"efl", "efr", "Fratio", "Fov_width", "Fov_height", "Pixelscale_width",
                             "Pixelscale_height"}) {
        auto *edit = f->window->findChild<QLineEdit *>(name);
        QCOMPARE(edit->palette().color(QPalette::Active, QPalette::Text), text);
        QCOMPARE(edit->palette().color(QPalette::Disabled, QPalette::Text), text);
        QVERIFY(!edit->isEnabled());
        QCOMPARE(edit->focusPolicy(), Qt::NoFocus);
    }
    // A disabled input still looks disabled.
    QVERIFY(!f->w()[Box::Pixelsize_width]->isEnabled());
    QCOMPARE(f->w()[Box::Pixelsize_width]->palette().color(QPalette::Disabled, QPalette::Text), greyed);
}

void TstMainWindow::cameraNameInFullAsTooltip_data()
{
    QTest::addColumn<QString>("camera");
    QTest::newRow("longer than the list") << "Starlight Express MX916";
    QTest::newRow("short") << "Audine";
}

void TstMainWindow::cameraNameInFullAsTooltip()
{
    QFETCH(QString, camera);
    QComboBox *list = f->w()[List::Ccd];
    const QRect before = list->geometry();
    QCOMPARE(list->toolTip(), list->currentText()); // set by the start's own choice too
    QVERIFY(test::chooseAsUser(list, camera));
    QCOMPARE(list->toolTip(), camera);
    QCOMPARE(list->accessibleDescription(), camera);
    QCOMPARE(list->geometry(), before);
}

void TstMainWindow::statusBarShowsDateAndTime()
{
    auto *bar = f->window->findChild<ClockStatusBar *>("sbStatusBar");
    QVERIFY(bar);
    QVERIFY(bar->findChildren<QLabel *>().first()->text() == "Status");
    QCOMPARE(bar->dateText(), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    QVERIFY(!bar->timeText().isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(bar->timeText(), QLocale().toString(QTime::currentTime(), QLocale::ShortFormat), 3000);
}

void TstMainWindow::resizingMovesOnlyTheStatusBar()
{
    QWidget *client = f->window->centralWidget();
    const auto geometries = [&] {
        QStringList out;
        for (const QWidget *w : client->findChildren<QWidget *>())
            out << w->objectName() + QString(" %1,%2 %3x%4").arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height());
        return out;
    };
    const QStringList before = geometries();
    QCOMPARE(child("Image1")->geometry(), QRect(232, 0, 324, 211)); // 3480, 0, 4860, 3165 twips
    QCOMPARE(child("Frame5")->geometry(), QRect(8, 312, 545, 177));
    auto *bar = child("sbStatusBar");
    for (const QSize size : {QSize(900, 800), QSize(320, 200), QSize(573, 562)}) {
        f->window->resize(size);
        QTRY_COMPARE(f->window->size(), size);
        QCOMPARE(geometries(), before);
        QCOMPARE(bar->width(), size.width());
        QCOMPARE(bar->geometry().bottom(), size.height() - 1);
    }
}

void TstMainWindow::drawingIsSharpAtTheScreenScale()
{
    // Run again under QT_SCALE_FACTOR=2 by CTest: the drawing is painted at the device's own
    // resolution, not scaled up, and the layout keeps its proportions.
    const qreal dpr = f->window->devicePixelRatioF();
    const QPixmap shot = child("Image1")->grab();
    QCOMPARE(shot.devicePixelRatio(), dpr);
    QCOMPARE(shot.width(), qRound(324 * dpr));
    QCOMPARE(child("efl")->geometry(), QRect(224, 16, 81, 24));
}

QTEST_MAIN(TstMainWindow)
#include "tst_main_window.moc"
