// The About window opened from the calculator window's menu: modal, centred on the window,
// the same texts every time, and its system-information button on this platform.

#include "calculator/toolkit/app_info.h"
#include "support/widgets/window_fixture.h"
#include "widgets/about/about_dialog.h"
#include "widgets/about/system_info.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace vkp2;

namespace {

const ShownMessage kUnavailableMessage{kSysInfoUnavailable, QStringLiteral("VKP2"),
                                       MessageIcon::None};

// Counts the events of chosen types that reach an object.
class EventCounter : public QObject {
public:
    explicit EventCounter(QObject *watched) { watched->installEventFilter(this); }
    QList<QEvent::Type> seen;
    int count(QEvent::Type type) const { return int(seen.count(type)); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        seen << event->type();
        return false;
    }
};

// Texts of the About window as the user sees them.
QMap<QString, QString> textsOf(QWidget &dialog)
{
    QMap<QString, QString> texts;
    texts[QStringLiteral("caption")] = dialog.windowTitle();
    for (auto *l : dialog.findChildren<QLabel *>())
        texts[l->objectName()] = l->text();
    for (auto *b : dialog.findChildren<QPushButton *>())
        texts[b->objectName()] = b->text();
    return texts;
}

QWidget *openAboutWindow()
{
    for (auto *w : QApplication::topLevelWidgets())
        if (qobject_cast<AboutDialog *>(w) && w->isVisible())
            return w;
    return nullptr;
}

// Runs `inspect` on the About window once it is open, then closes it if it still is, so a
// failed check (or a window that is not modal) cannot leave the opening call waiting for ever.
void whileOpen(const std::function<void(QWidget *)> &inspect)
{
    QTimer::singleShot(0, [inspect] {
        QWidget *about = openAboutWindow();
        inspect(about);
        if (about && openAboutWindow() == about)
            about->close();
    });
}

} // namespace

class TstAboutFromMenu : public QObject {
    Q_OBJECT
private slots:
    void menuOpensModalCentredWindow();
    void openingTwiceShowsSameTexts();
    void sysInfoFromMenuOnThisPlatform();
};

void TstAboutFromMenu::menuOpensModalCentredWindow()
{
    test::WindowFixture f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    auto *action = f.window->findChild<QAction *>(QStringLiteral("mnuHelpAbout"));
    QVERIFY(action);
    QWidget *target = f.w()[Box::Distance_d];
    QVERIFY(target->isEnabled());
    EventCounter windowEvents(f.window.get());
    EventCounter targetEvents(target);
    const QPoint targetPoint = target->mapTo(f.window.get(), target->rect().center());

    bool seen = false;
    bool activeModal = false;
    bool ownedByWindow = false;
    bool appModal = false;
    bool blocked = false;
    int pressesWhileOpen = -1;
    QPoint offCentre;
    whileOpen([&](QWidget *about) {
        seen = about != nullptr;
        if (!about)
            return;
        activeModal = about == QApplication::activeModalWidget()
                  && about->objectName() == QLatin1String("frmAbout");
        ownedByWindow = about->parentWidget() == f.window.get();
        appModal = about->windowModality() == Qt::ApplicationModal;
        blocked = windowEvents.count(QEvent::WindowBlocked) == 1;
        offCentre = about->frameGeometry().center() - f.window->frameGeometry().center();
        QTest::mouseClick(f.window->windowHandle(), Qt::LeftButton, {}, targetPoint);
        pressesWhileOpen = targetEvents.count(QEvent::MouseButtonPress);
        QTest::mouseClick(about->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    action->trigger();

    QVERIFY(seen);
    QVERIFY(activeModal);
    QVERIFY(ownedByWindow);
    QVERIFY(appModal);
    QVERIFY(blocked);
    QVERIFY2(qAbs(offCentre.x()) <= 1 && qAbs(offCentre.y()) <= 1,
             qPrintable(QStringLiteral("%1,%2").arg(offCentre.x()).arg(offCentre.y())));
    QCOMPARE(pressesWhileOpen, 0);
    QCOMPARE(windowEvents.count(QEvent::WindowUnblocked), 1);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    // Closing unloads it.
    QVERIFY(f.window->findChildren<AboutDialog *>().isEmpty());

    // The same click reaches the field once the window is closed.
    QTest::mouseClick(f.window->windowHandle(), Qt::LeftButton, {}, targetPoint);
    QCOMPARE(targetEvents.count(QEvent::MouseButtonPress), 1);
}

void TstAboutFromMenu::openingTwiceShowsSameTexts()
{
    test::WindowFixture f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    auto *action = f.window->findChild<QAction *>(QStringLiteral("mnuHelpAbout"));
    QVERIFY(action);

    QList<QMap<QString, QString>> openings;
    for (int i = 0; i < 2; ++i) {
        whileOpen([&](QWidget *about) {
            if (!about)
                return;
            openings << textsOf(*about);
            QTest::keyClick(about, Qt::Key_Escape);
        });
        action->trigger();
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
    QCOMPARE(openings.size(), 2);
    QCOMPARE(openings[1], openings[0]);
    QCOMPARE(openings[0].value(QStringLiteral("caption")), QStringLiteral("About VKP-2"));
    QCOMPARE(openings[0].value(QStringLiteral("lblTitle")), QStringLiteral("VKP2"));
    QCOMPARE(openings[0].value(QStringLiteral("lblVersion")), QStringLiteral("Version 1.3.12"));
    QVERIFY(!openings[0].value(QStringLiteral("Label1")).isEmpty());
}

void TstAboutFromMenu::sysInfoFromMenuOnThisPlatform()
{
#ifdef Q_OS_WIN
    QSKIP("Would start the real system-information tool");
#else
    test::WindowFixture f;
    f.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    auto *action = f.window->findChild<QAction *>(QStringLiteral("mnuHelpAbout"));
    QVERIFY(action);
    f.messages.clear();
    bool stayedOpen = false;
    whileOpen([&](QWidget *about) {
        if (!about)
            return;
        QTest::mouseClick(about->findChild<QPushButton *>(QStringLiteral("cmdSysInfo")),
                          Qt::LeftButton);
        stayedOpen = about->isVisible() && QApplication::activeModalWidget() == about;
    });
    action->trigger();
    QVERIFY(stayedOpen);
    QCOMPARE(f.messages.shown, QList<ShownMessage>{kUnavailableMessage});
#endif
}

QTEST_MAIN(TstAboutFromMenu)
#include "tst_about_from_menu.moc"
