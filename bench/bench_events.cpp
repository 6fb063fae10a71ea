// Costs of the main window's events, offscreen, next to the floor they cannot go below: writing
// the result texts that the event changes. Each event also reports how many handlers it ran
// and how deeply they nested, so hidden work shows up as a number.
//
// The handler chain of a keystroke is the keystroke in Distance_d less the same keystroke in a
// plain field of the same kind: Qt's key handling and the field's own edit are paid by any
// program. The QBENCHMARK functions give Qt's usual per-iteration figures (and work with
// -callgrind or -perf); compare() times keystroke, plain keystroke and floor in alternating
// batches, so load from other processes hits all alike, and prints medians, spread and ratios.
// VKP2_BENCH_QUICK=1 shrinks compare() to a smoke run.

#include "calculator/procedures/headless_calculator.h"
#include "support/widgets/window_fixture.h"

#include <QElapsedTimer>
#include <QtTest>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

using namespace vkp2;

namespace {

// Two texts each event alternates between, so every run really changes something.
const std::array<QString, 2> kTelescopes{QStringLiteral("DR-106"), QStringLiteral("AR-100")};
const std::array<QString, 2> kBinningCameras{QStringLiteral("FLI IMG1401E"),
                                             QStringLiteral("FLI IMG1602E")};

// Handler runs per event as measured; a change that adds hidden work fails the run (and a
// change that removes some should lower these).
constexpr long kMaxKeystrokeRuns = 1;
constexpr long kMaxTelescopeRuns = 3;
constexpr long kMaxCameraRuns = 5; // each camera box it writes runs the camera choice, nested
constexpr long kMaxStartupRuns = 4;

struct Count {
    long runs;
    int deepest;
};

Count countRuns(const std::function<void()> &event)
{
    handlerStats().reset();
    event();
    return {handlerStats().runs, handlerStats().deepest};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double quantile(std::vector<double> v, double q)
{
    std::sort(v.begin(), v.end());
    return v[static_cast<std::size_t>(q * static_cast<double>(v.size() - 1) + 0.5)];
}

bool quick() { return qEnvironmentVariableIntValue("VKP2_BENCH_QUICK") != 0; }

} // namespace

class BenchEvents : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void keystroke();
    void plainKeystroke();
    void floorSixTexts();
    void telescopeChoice();
    void cameraChoiceWithBinning();
    void startup();
    void compare();

private:
    const MainWindow::Widgets &w() const { return f->w(); }
    QList<QLineEdit *> outputs() const;
    QStringList outputTexts() const;
    void keyStep();
    void plainKeyStep();
    void floorStep();
    void typeInto(QLineEdit *edit);
    void report(const char *event, const Count &count, int changed);
    void alternateChoice(QComboBox *list, const std::array<QString, 2> &entries,
                         const char *event, long maxRuns);

    std::unique_ptr<test::WindowFixture> f;
    bool typed_ = false;          // Distance_d shows "555" rather than "55"
    bool plainTyped_ = false;
    std::unique_ptr<QWidget> floorHost_;
    QLineEdit *plainEdit_ = nullptr; // like Distance_d, with nothing connected
    std::vector<QLineEdit *> floorEdits_;
    std::array<QStringList, 2> floorTexts_; // the result texts before and after a keystroke
    bool floorFlip_ = false;
    QStringList reported_;
};

QList<QLineEdit *> BenchEvents::outputs() const
{
    return {w()[Box::Fratio], w()[Box::efl], w()[Box::efr], w()[Box::Pixelsize_width], w()[Box::Pixelsize_height],
            w()[Box::Chipsize_width], w()[Box::Chipsize_height], w()[Box::Fov_width], w()[Box::Fov_height],
            w()[Box::Pixelscale_width], w()[Box::Pixelscale_height], w()[Box::Flength], w()[Box::Aperture],
            w()[Box::Distance_tl], w()[Box::Distance_d]};
}

QStringList BenchEvents::outputTexts() const
{
    QStringList texts;
    for (const QLineEdit *edit : outputs())
        texts << edit->text();
    return texts;
}

void BenchEvents::report(const char *event, const Count &count, int changed)
{
    if (reported_.contains(QLatin1String(event)))
        return; // QBENCHMARK runs its function more than once
    reported_ << QLatin1String(event);
    std::printf("HANDLERS %-28s runs %3ld  deepest %2d", event, count.runs, count.deepest);
    if (changed >= 0)
        std::printf("  texts changed %2d", changed);
    std::printf("\n");
    std::fflush(stdout);
}

void BenchEvents::initTestCase()
{
    f = std::make_unique<test::WindowFixture>();
    f->window->show();
    QVERIFY(QTest::qWaitForWindowExposed(f->window.get()));
    // A binning camera in 2x2, so a keystroke changes all six results.
    QVERIFY(test::chooseAsUser(w()[List::Ccd], kBinningCameras[0]));
    QVERIFY(test::chooseAsUser(w()[List::Binning], QStringLiteral("2x2")));
    w()[Box::Distance_d]->setFocus();
    w()[Box::Distance_d]->end(false);
    QCOMPARE(w()[Box::Distance_d]->text(), QStringLiteral("55"));

    // The floor: six result-style fields (same font and state) in a shown window of their own.
    const QStringList before = outputTexts();
    keyStep();
    const QStringList after = outputTexts();
    keyStep();
    QCOMPARE(outputTexts(), before);
    const QList<QLineEdit *> all = outputs();
    QString changedNames;
    floorHost_ = std::make_unique<QWidget>();
    floorHost_->resize(568, 519);
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (before[i] == after[i] || all[i] == w()[Box::Distance_d])
            continue;
        auto *edit = new QLineEdit(floorHost_.get());
        edit->setGeometry(all[i]->geometry());
        edit->setFont(all[i]->font());
        edit->setEnabled(all[i]->isEnabled());
        edit->setFocusPolicy(Qt::NoFocus);
        edit->setText(before[i]);
        floorEdits_.push_back(edit);
        floorTexts_[0] << before[i];
        floorTexts_[1] << after[i];
        changedNames += QLatin1Char(' ') + all[i]->objectName();
    }
    std::printf("FLOOR    result texts a keystroke changes:%s\n", qPrintable(changedNames));
    QCOMPARE(floorEdits_.size(), std::size_t(6));
    plainEdit_ = new QLineEdit(w()[Box::Distance_d]->text(), floorHost_.get());
    plainEdit_->setGeometry(w()[Box::Distance_d]->geometry().translated(0, 200));
    plainEdit_->setFont(w()[Box::Distance_d]->font());
    plainEdit_->end(false);
    plainEdit_->setFocus();
    floorHost_->show();
    QVERIFY(QTest::qWaitForWindowExposed(floorHost_.get()));
    QVERIFY(f->messages.shown.isEmpty());
}

void BenchEvents::cleanupTestCase()
{
    QVERIFY(f->messages.shown.isEmpty());
    floorHost_.reset();
    f.reset();
}

// Typing goes to the focus widget of the active window; Qt does more for a field that has the
// focus (input method updates), so whichever field is typed into gets it, outside the clock.
void BenchEvents::typeInto(QLineEdit *edit)
{
    if (QApplication::focusWidget() == edit)
        return;
    edit->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(edit->window()));
    edit->setFocus();
    QCOMPARE(QApplication::focusWidget(), edit);
}

// One accepted keystroke in Distance_d: a digit typed at the end, or taken away again.
void BenchEvents::keyStep()
{
    QTest::keyClick(w()[Box::Distance_d], typed_ ? Qt::Key_Backspace : Qt::Key_5);
    typed_ = !typed_;
}

void BenchEvents::plainKeyStep()
{
    QTest::keyClick(plainEdit_, plainTyped_ ? Qt::Key_Backspace : Qt::Key_5);
    plainTyped_ = !plainTyped_;
}

void BenchEvents::floorStep()
{
    floorFlip_ = !floorFlip_;
    const QStringList &texts = floorTexts_[floorFlip_ ? 1 : 0];
    for (std::size_t i = 0; i < floorEdits_.size(); ++i)
        floorEdits_[i]->setText(texts[static_cast<qsizetype>(i)]);
}

void BenchEvents::keystroke()
{
    typeInto(w()[Box::Distance_d]);
    const QStringList before = outputTexts();
    const Count count = countRuns([this] { keyStep(); });
    QCOMPARE(w()[Box::Distance_d]->text(), QStringLiteral("555"));
    const QStringList after = outputTexts();
    int changed = 0;
    for (qsizetype i = 0; i < before.size(); ++i)
        changed += before[i] != after[i];
    report("keystroke in Distance_d", count, changed);
    keyStep();
    QVERIFY2(count.runs <= kMaxKeystrokeRuns, qPrintable(QString::number(count.runs)));

    QBENCHMARK {
        keyStep();
    }
    if (typed_)
        keyStep();
    QCOMPARE(outputTexts(), before);
}

void BenchEvents::plainKeystroke()
{
    typeInto(plainEdit_);
    QBENCHMARK {
        plainKeyStep();
    }
    if (plainTyped_)
        plainKeyStep();
    QCOMPARE(plainEdit_->text(), w()[Box::Distance_d]->text());
}

void BenchEvents::floorSixTexts()
{
    QBENCHMARK {
        floorStep();
    }
}

// Alternates a list between two entries as a user would, reports the handler runs of one
// choice, then times many. Ends on the first entry, so later benchmarks start alike.
void BenchEvents::alternateChoice(QComboBox *list, const std::array<QString, 2> &entries,
                                  const char *event, long maxRuns)
{
    int next = 1;
    const auto choose = [&] {
        test::chooseAsUser(list, entries[static_cast<std::size_t>(next)]);
        next ^= 1;
    };
    const QStringList before = outputTexts();
    const Count count = countRuns(choose);
    const QStringList after = outputTexts();
    int changed = 0;
    for (qsizetype i = 0; i < before.size(); ++i)
        changed += before[i] != after[i];
    report(event, count, changed);
    QVERIFY2(count.runs <= maxRuns, qPrintable(QString::number(count.runs)));

    QBENCHMARK {
        choose();
    }
    if (next == 0)
        choose();
    QCOMPARE(list->currentText(), entries[0]);
}

void BenchEvents::telescopeChoice()
{
    alternateChoice(w()[List::Telescope], kTelescopes, "telescope choice", kMaxTelescopeRuns);
}

void BenchEvents::cameraChoiceWithBinning()
{
    QCOMPARE(w()[List::Binning]->currentText(), QStringLiteral("2x2"));
    alternateChoice(w()[List::Ccd], kBinningCameras, "camera choice, binning 2x2", kMaxCameraRuns);
    QCOMPARE(w()[List::Binning]->currentText(), QStringLiteral("2x2"));
}

void BenchEvents::startup()
{
    // Constructing the window runs Form_Load: lists filled, everything calculated. A second
    // sandbox keeps this window's settings and file apart from the one above.
    test::Sandbox sandbox;
    RecordedMessageBoxes messages;
    std::unique_ptr<MainWindow> window;
    // The window runs the same start-up handlers as the headless calculator, which can be
    // counted from its very first handler run.
    HeadlessCalculator headless(nullptr, countHandlers);
    const Count count = countRuns([&] { headless.start(); });
    report("start-up (constructor)", count, -1);
    QVERIFY2(count.runs <= kMaxStartupRuns, qPrintable(QString::number(count.runs)));

    QBENCHMARK {
        window = std::make_unique<MainWindow>(messages); // also destroys the previous one
    }
    QVERIFY(messages.shown.isEmpty());
}

void BenchEvents::compare()
{
    const int batches = quick() ? 3 : 41;
    const int perBatch = quick() ? 4 : 400;
    using Step = void (BenchEvents::*)();
    const std::array<Step, 3> steps{&BenchEvents::keyStep, &BenchEvents::plainKeyStep,
                                    &BenchEvents::floorStep};
    std::array<std::vector<double>, 3> us; // per event, in microseconds
    std::vector<double> wholeRatio, chainRatio;
    QElapsedTimer timer;
    for (int b = 0; b < batches; ++b) {
        std::array<double, 3> t{};
        for (std::size_t k = 0; k < steps.size(); ++k) {
            const std::size_t i = (k + static_cast<std::size_t>(b)) % steps.size(); // rotate
            if (i < 2)
                typeInto(i == 0 ? w()[Box::Distance_d] : plainEdit_);
            timer.start();
            for (int n = 0; n < perBatch; ++n)
                (this->*steps[i])();
            t[i] = static_cast<double>(timer.nsecsElapsed()) / perBatch / 1000.0;
            us[i].push_back(t[i]);
        }
        wholeRatio.push_back(t[0] / t[2]);
        chainRatio.push_back((t[0] - t[1]) / t[2]);
    }
    if (typed_)
        keyStep();
    if (plainTyped_)
        plainKeyStep();

    // Start-up: construction alone is timed; each window is destroyed outside the clock.
    test::Sandbox sandbox;
    RecordedMessageBoxes messages;
    std::vector<double> start;
    for (int i = 0; i < (quick() ? 2 : 31); ++i) {
        timer.start();
        auto window = std::make_unique<MainWindow>(messages);
        start.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }

    const auto line = [](const char *what, const std::vector<double> &v, const char *unit) {
        std::printf("COMPARE  %-34s median %8.2f %s (p10 %.2f, p90 %.2f, min %.2f, max %.2f)\n",
                    what, median(v), unit, quantile(v, 0.1), quantile(v, 0.9),
                    *std::min_element(v.begin(), v.end()), *std::max_element(v.begin(), v.end()));
    };
    std::printf("COMPARE  %d batches of %d events each, the three kinds in rotating order\n",
                batches, perBatch);
    line("keystroke in Distance_d", us[0], "us");
    line("same keystroke, plain field", us[1], "us");
    line("floor: six result setText", us[2], "us");
    line("whole keystroke / floor", wholeRatio, "x ");
    line("handler chain / floor", chainRatio, "x ");
    // Ratios within one batch share its load, so their median is the figure that counts.
    std::printf("COMPARE  handler chain / floor %.2f, whole keystroke / floor %.2f "
                "(medians of the per-batch ratios; target for the chain <= 1.50)\n",
                median(chainRatio), median(wholeRatio));
    line("start-up: MainWindow constructor", start, "us");
    std::fflush(stdout);
}

QTEST_MAIN(BenchEvents)
#include "bench_events.moc"
