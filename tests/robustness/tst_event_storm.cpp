// Thousands of random user actions on the real window, offscreen: list choices, keystrokes,
// deletions, whole new numbers and long pastes in whatever field is enabled. After every
// keystroke and choice the window must still add up (see check()). The seed and the number of
// actions come from the data rows; VKP2_STORM_SEED, VKP2_STORM_ACTIONS and VKP2_STORM_LOCALE
// replace them for a long run (make soak).

#include "storm_oracle.h"
#include "support/widgets/window_fixture.h"
#include "widgets/toolkit/widget_controls.h"

#include <QElapsedTimer>
#include <QtTest>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>
#include <random>
#include <thread>

using namespace vkp2;
namespace oracle = vkp2::test::oracle;

namespace {

// Handlers nest by design (a write runs the written field's handler at once, and that handler
// reruns the camera, whose writes run the camera boxes' handlers); chains of up to 6 occur.
// Anything past this bound is a runaway.
constexpr int kMaxHandlerDepth = 8;
// One keystroke or choice may legitimately raise a few messages (No-VKP2 runs the calculation
// four times); a cascade beyond this is not something a user can answer.
constexpr int kMaxMessagesPerAction = 6;
constexpr double kRestartChance = 0.01;
// Longer than any single action takes under the sanitizers on a busy machine.
constexpr auto kStallLimit = std::chrono::seconds(60);

// Aborts the process when the storm stops making progress: a modal loop, a hang, a livelock.
class Watchdog {
public:
    Watchdog() : thread_([this] { watch(); }) {}
    ~Watchdog()
    {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    void progress(const QString &what)
    {
        std::lock_guard lock(mutex_);
        what_ = what.toStdString();
        ++count_;
    }

private:
    void watch()
    {
        std::unique_lock lock(mutex_);
        long seen = count_;
        auto since = std::chrono::steady_clock::now();
        while (!stop_) {
            wake_.wait_for(lock, std::chrono::milliseconds(200));
            if (count_ != seen) {
                seen = count_;
                since = std::chrono::steady_clock::now();
            } else if (std::chrono::steady_clock::now() - since > kStallLimit) {
                std::fprintf(stderr, "event storm: no progress for %lld s during \"%s\"; aborting\n",
                             static_cast<long long>(kStallLimit.count()), what_.c_str());
                std::fflush(stderr);
                std::abort();
            }
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    long count_ = 0;
    std::string what_ = "start-up";
    std::thread thread_;
};

struct Stats {
    long actions = 0;
    long checks = 0;
    long predicted = 0;       // checks where every input was valid and the results were recomputed
    long cameraPredicted = 0; // ... and the camera results too
    long messages = 0;
    long restarts = 0;
    int deepest = 0;
    int mostMessages = 0;
};

class Storm {
public:
    Storm(quint32 seed, const QLocale &locale) : rng_(seed), seed_(seed), locale_(locale)
    {
        QLocale::setDefault(locale);
        point_ = locale.decimalPoint().at(0);
        start();
    }
    ~Storm() { QLocale::setDefault(QLocale::c()); }

    // Runs `count` random actions; returns the first broken invariant, or nothing.
    QString run(long count, Watchdog &watchdog);
    // Closes the window (saving the setup), starts a new one from the saved file and checks
    // that the setup came back; the storm then goes on in the new window.
    QString restart(Watchdog &watchdog);
    const Stats &stats() const { return stats_; }

private:
    void start();
    QString check();
    QString act(const QString &what, const std::function<void()> &action);
    QString actOnce();
    QString typeKeys(QLineEdit *edit, const QString &keys);

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }
    QString randomNumberText();
    QString randomPaste();
    QList<QLineEdit *> inputs() const;
    QList<QLineEdit *> results() const;
    QString dump() const;

    std::mt19937 rng_;
    quint32 seed_;
    QLocale locale_;
    QChar point_;
    test::Sandbox sandbox_;
    RecordedMessageBoxes messages_;
    std::unique_ptr<MainWindow> window_;
    // The text each input field had when the user last edited it: the only place a letter may
    // come from (the program itself never writes one).
    std::map<QLineEdit *, QString> userText_;
    std::vector<QMetaObject::Connection> edited_;
    Watchdog *watchdog_ = nullptr;
    bool exposed_ = false;
    Stats stats_;
};

void Storm::start()
{
    for (const auto &c : edited_)
        QObject::disconnect(c);
    edited_.clear();
    userText_.clear();
    window_ = std::make_unique<MainWindow>(messages_, countHandlers);
    handlerStats().reset(); // the storm's bounds are for its actions, not the start-up
    window_->show();
    exposed_ = QTest::qWaitForWindowExposed(window_.get());
    for (QLineEdit *edit : inputs()) {
        edited_.push_back(QObject::connect(edit, &QLineEdit::textEdited, edit, [this, edit](const QString &t) {
            userText_[edit] = t;
        }));
    }
}

QList<QLineEdit *> Storm::inputs() const
{
    const auto &w = window_->widgets();
    return {w[Box::Flength], w[Box::Aperture], w[Box::Distance_tl], w[Box::Distance_d],
            w[Box::Pixelsize_width], w[Box::Pixelsize_height], w[Box::Chipsize_width], w[Box::Chipsize_height]};
}

QList<QLineEdit *> Storm::results() const
{
    const auto &w = window_->widgets();
    return {w[Box::Fratio], w[Box::efl], w[Box::efr], w[Box::Fov_width], w[Box::Fov_height], w[Box::Pixelscale_width], w[Box::Pixelscale_height]};
}

// Control characters and anything beyond ASCII as \uXXXX, so a report shows what is there.
QString visible(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

QString Storm::dump() const
{
    const auto &w = window_->widgets();
    QString out = QStringLiteral("[%1 | %2 | %3 | %4]").arg(w[List::Telescope]->currentText(), w[List::Ocular]->currentText(),
                                                        w[List::Ccd]->currentText(), w[List::Binning]->currentText());
    for (QLineEdit *e : inputs() + results()) {
        QString t = e->text();
        if (t.size() > 40)
            t = t.left(37) + QStringLiteral("...");
        out += QStringLiteral(" %1=\"%2\"").arg(e->objectName(), visible(t));
    }
    return out;
}

// The invariants, after every keystroke and every choice.
QString Storm::check()
{
    ++stats_.checks;
    const auto &w = window_->widgets();
    const auto fail = [&](const QString &what) { return what + QStringLiteral("\n  window: ") + dump(); };

    // No handler is left running, and none nested beyond the bound.
    const HandlerStats &hs = handlerStats();
    if (hs.depth != 0)
        return fail(QStringLiteral("a handler is still running (depth %1)").arg(hs.depth));
    stats_.deepest = std::max(stats_.deepest, hs.deepest);
    if (hs.deepest > kMaxHandlerDepth)
        return fail(QStringLiteral("handlers nested %1 deep").arg(hs.deepest));

    // Messages: few, and each with a known title and a text.
    stats_.messages += messages_.shown.size();
    stats_.mostMessages = std::max<int>(stats_.mostMessages, messages_.shown.size());
    if (messages_.shown.size() > kMaxMessagesPerAction)
        return fail(QStringLiteral("%1 messages for one action, first \"%2\"")
                        .arg(messages_.shown.size()).arg(messages_.shown.first().text));
    for (const ShownMessage &m : messages_.shown) {
        if (m.text.isEmpty() || !QStringList{"Input Error", "Error", "Note"}.contains(m.title))
            return fail(QStringLiteral("message \"%1\" titled \"%2\"").arg(m.text, m.title));
    }
    messages_.clear();

    // Letters ("inf", "nan", "1e5", ...) only where the user typed them.
    for (QLineEdit *e : inputs() + results()) {
        const QString t = e->text();
        const bool letter = std::any_of(t.begin(), t.end(), [](QChar c) { return c.isLetter(); });
        const auto typed = userText_.find(e);
        if (letter && (typed == userText_.end() || typed->second != t))
            return fail(QStringLiteral("%1 shows \"%2\", which the user did not type")
                            .arg(e->objectName(), visible(t.left(80))));
    }

    // The lists always show an entry, and the enabled states follow the choices.
    const QString telescope = w[List::Telescope]->currentText();
    const QString ocular = w[List::Ocular]->currentText();
    const QString camera = w[List::Ccd]->currentText();
    const QString mode = w[List::Binning]->currentText();
    if (telescope.isEmpty() || ocular.isEmpty() || camera.isEmpty() || mode.isEmpty())
        return fail(QStringLiteral("a list shows no entry"));
    const bool userTelescope = telescope == QLatin1String("User-Defined");
    if (w[Box::Flength]->isEnabled() != userTelescope || w[Box::Aperture]->isEnabled() != userTelescope || w[Box::Fratio]->isEnabled())
        return fail(QStringLiteral("telescope boxes enabled wrongly"));
    const bool prime = ocular == QLatin1String("No-VKP2");
    if (w[Box::Distance_d]->isEnabled() == prime || w[Box::Distance_tl]->isEnabled() == prime)
        return fail(QStringLiteral("distance boxes enabled wrongly"));
    if (prime && (w[Box::Distance_d]->text() != QLatin1String("0") || w[Box::Distance_tl]->text() != QLatin1String("0")))
        return fail(QStringLiteral("No-VKP2 with distances other than 0"));
    const bool userCamera = camera == QLatin1String("User-Defined");
    const bool noCamera = camera == QLatin1String("None or Film");
    const QList<QLineEdit *> cameraBoxes{w[Box::Pixelsize_width], w[Box::Pixelsize_height], w[Box::Chipsize_width], w[Box::Chipsize_height]};
    for (QLineEdit *e : cameraBoxes) {
        if (e->isEnabled() != userCamera)
            return fail(QStringLiteral("camera boxes enabled wrongly"));
        if (noCamera && !e->text().isEmpty())
            return fail(QStringLiteral("None or Film with camera values"));
    }
    for (QLineEdit *e : results()) {
        if (e->isEnabled())
            return fail(QStringLiteral("%1 is enabled").arg(e->objectName()));
    }

    // Catalogue entries show their table's values.
    const auto number = [&](QLineEdit *e) { return oracle::plainNumber(e->text(), point_); };
    if (const auto *row = oracle::row(catalog::kTelescopes, telescope)) {
        if (number(w[Box::Flength]) != row->focalLength || number(w[Box::Aperture]) != row->aperture)
            return fail(QStringLiteral("telescope boxes differ from the table"));
    } else if (!userTelescope) {
        return fail(QStringLiteral("unknown telescope"));
    }
    const auto *cameraRow = oracle::row(catalog::kCameras, camera);
    if (cameraRow) {
        double values[4] = {cameraRow->pixelWidth, cameraRow->pixelHeight, cameraRow->chipWidth,
                            cameraRow->chipHeight};
        const bool binned = cameraRow->binning;
        if (w[List::Binning]->isEnabled() != binned)
            return fail(QStringLiteral("binning list enabled wrongly"));
        if (binned) {
            const auto *b = oracle::binningRow(camera, mode);
            if (!b)
                return fail(QStringLiteral("binning mode the camera does not have"));
            values[0] = b->pixelWidth;
            values[1] = b->pixelHeight;
            values[2] = b->chipWidth;
            values[3] = b->chipHeight;
        }
        for (int i = 0; i < 4; ++i) {
            if (number(cameraBoxes[i]) != values[i])
                return fail(QStringLiteral("%1 differs from the table").arg(cameraBoxes[i]->objectName()));
        }
    } else if (!userCamera && !noCamera) {
        return fail(QStringLiteral("unknown camera"));
    } else if (w[List::Binning]->isEnabled()) {
        return fail(QStringLiteral("binning list enabled without a binning camera"));
    }

    // Results: empty or a plain rounded number. Only efl and efr may also show a telescope text
    // as typed: No-VKP2 copies them, and they stay while a typed telescope value is out of range.
    const QString efl = w[Box::efl]->text();
    const QString efr = w[Box::efr]->text();
    const QRegularExpression copied(QStringLiteral("^\\s*[+-]?[0-9]*(%1[0-9]*)?\\s*$")
                                        .arg(QRegularExpression::escape(QString(point_))),
                                    QRegularExpression::UseUnicodePropertiesOption);
    for (QLineEdit *e : results()) {
        const QString t = e->text();
        if (t.isEmpty() || oracle::looksLikeResult(t, point_))
            continue;
        const bool copy = (e == w[Box::efl] || e == w[Box::efr]) && copied.match(t).hasMatch()
                          && std::any_of(t.begin(), t.end(), [](QChar c) { return c.isDigit(); });
        if (!copy)
            return fail(QStringLiteral("%1 shows \"%2\"").arg(e->objectName(), visible(t.left(80))));
    }
    if (efl.isEmpty() && !efr.isEmpty())
        return fail(QStringLiteral("efr without efl"));
    if (efl.isEmpty()) {
        for (QLineEdit *e : {w[Box::Fov_width], w[Box::Fov_height], w[Box::Pixelscale_width], w[Box::Pixelscale_height]}) {
            if (!e->text().isEmpty())
                return fail(QStringLiteral("camera results without an extended focal length"));
        }
    }

    // Whenever every input is a valid number in range, the results are the recomputed ones.
    const auto focal = number(w[Box::Flength]);
    const auto aperture = number(w[Box::Aperture]);
    const auto d = number(w[Box::Distance_d]);
    const auto tl = number(w[Box::Distance_tl]);
    const auto in = [](std::optional<double> v, double lo, double hi) { return v && *v >= lo && *v <= hi; };
    if (!in(focal, 0, 10000) || !in(aperture, 0, 10000) || *aperture == 0 || !in(d, 0, 1000) || !in(tl, 0, 30))
        return {};
    ++stats_.predicted;
    const auto expect = [&](QLineEdit *e, double value) -> QString {
        const auto text = oracle::resultText(value, point_);
        if (text && e->text() == *text)
            return {};
        if (!text) {
            // Beyond exact hundredths: 15 significant digits of the rounded value.
            const double rounded = std::nearbyint(value * 100) / 100;
            if (!std::isfinite(rounded) && e->text().isEmpty())
                return {}; // no finite result to show
            const auto shown = oracle::plainNumber(e->text(), point_);
            if (oracle::looksLikeResult(e->text(), point_) && shown
                && std::fabs(*shown - rounded) <= std::fabs(rounded) * 1e-14)
                return {};
        }
        return fail(QStringLiteral("%1 shows \"%2\", expected \"%3\" (from %4)")
                        .arg(e->objectName(), e->text(), text.value_or("?"))
                        .arg(value, 0, 'g', 17));
    };
    if (auto bad = expect(w[Box::Fratio], *focal / *aperture); !bad.isEmpty())
        return bad;
    double expectedEfl = *focal;
    if (prime) {
        if (efl != w[Box::Flength]->text() || efr != w[Box::Fratio]->text())
            return fail(QStringLiteral("No-VKP2 results are not the telescope's texts"));
    } else {
        const auto *o = oracle::row(catalog::kOculars, ocular);
        if (!o)
            return fail(QStringLiteral("unknown ocular"));
        const double projection = ((o->length + *tl) + 3) + *d - o->offset;
        const double magnification = projection / o->focalLength - 1;
        expectedEfl = magnification * *focal;
        if (auto bad = expect(w[Box::efl], expectedEfl); !bad.isEmpty())
            return bad;
        if (auto bad = expect(w[Box::efr], expectedEfl / *aperture); !bad.isEmpty())
            return bad;
    }

    // Camera results, from the efl text as shown; a bare "0" in a camera box is passed over by
    // design (the user is still typing), so it predicts nothing.
    const auto e = number(w[Box::efl]);
    if (!e || !(*e > 0))
        return {};
    double pw = 0, ph = 0, cw = 0, ch = 0;
    if (!noCamera) {
        const auto v = [&](QLineEdit *box) {
            return box->text() == QLatin1String("0") ? std::nullopt : number(box);
        };
        const auto a = v(w[Box::Pixelsize_width]), b = v(w[Box::Pixelsize_height]);
        const auto c = v(w[Box::Chipsize_width]), dd = v(w[Box::Chipsize_height]);
        if (!a || !b || !c || !dd)
            return {};
        pw = *a;
        ph = *b;
        cw = *c;
        ch = *dd;
    }
    ++stats_.cameraPredicted;
    const double chipW = (pw / 1000) * cw;
    const double chipH = (ph / 1000) * ch;
    for (const auto &[box, value] : {std::pair{w[Box::Fov_width], 3439 * (chipW / *e)},
                                     std::pair{w[Box::Fov_height], 3439 * (chipH / *e)},
                                     std::pair{w[Box::Pixelscale_width], 206265 * ((pw / 1000) / *e)},
                                     std::pair{w[Box::Pixelscale_height], 206265 * ((ph / 1000) / *e)}}) {
        if (auto bad = expect(box, value); !bad.isEmpty())
            return bad;
    }
    return {};
}

QString Storm::act(const QString &what, const std::function<void()> &action)
{
    watchdog_->progress(QStringLiteral("seed %1, action %2: %3").arg(seed_).arg(stats_.actions).arg(what));
    handlerStats().reset();
    messages_.clear();
    action();
    const QString bad = check();
    if (bad.isEmpty())
        return {};
    return QStringLiteral("seed %1, action %2 (%3): %4").arg(seed_).arg(stats_.actions).arg(what, bad);
}

QString Storm::typeKeys(QLineEdit *edit, const QString &keys)
{
    for (const QChar c : keys) {
        if (!edit->isEnabled())
            return {};
        const QString bad = act(QStringLiteral("type '%1' into %2").arg(c).arg(edit->objectName()),
                                [&] { QTest::keyClick(edit, c.toLatin1()); });
        if (!bad.isEmpty())
            return bad;
    }
    return {};
}

QString Storm::randomNumberText()
{
    // Mostly values near the ranges' edges and inside them, some just outside.
    static const double scales[] = {1, 10, 30, 31, 55, 100, 999, 1000, 1001, 5000, 10000, 10001};
    const double scale = scales[pick(std::size(scales))];
    double v = std::uniform_real_distribution<double>(0, scale)(rng_);
    if (chance(0.05))
        v = -v;
    QString s = QString::number(v, 'f', pick(4));
    if (chance(0.2))
        s = QString::number(static_cast<long long>(v));
    return s.replace(QLatin1Char('.'), point_);
}

QString Storm::randomPaste()
{
    static const QString odd = QStringLiteral(" \t\n\r\u00a0\u2212\u0663\uff15\u00e9\u00df+-.,eE");
    static const QString plain = QStringLiteral("0123456789.,-+ abcinfxyz");
    QString s;
    switch (pick(5)) {
    case 0: // a long row of digits, perhaps with a separator
        s = QString(1 + pick(400), QLatin1Char('9'));
        if (chance(0.5))
            s.insert(pick(s.size()), point_);
        break;
    case 1: // a tiny number with many decimals
        s = QStringLiteral("0") + point_ + QString(pick(330), QLatin1Char('0')) + QStringLiteral("5");
        break;
    case 2: // junk of any length
        for (int n = 1 + pick(3000); n > 0; --n)
            s += plain[pick(plain.size())];
        break;
    case 3: // a number copied with its line end
        s = randomNumberText() + (chance(0.5) ? QStringLiteral("\n") : QStringLiteral("\r\n"));
        break;
    default: // a number with odd characters around or inside it
        s = randomNumberText();
        for (int n = 1 + pick(3); n > 0; --n)
            s.insert(pick(s.size() + 1), odd[pick(odd.size())]);
        break;
    }
    return s;
}

QString Storm::actOnce()
{
    ++stats_.actions;
    if (stats_.actions % 64 == 0)
        QCoreApplication::processEvents(); // let painting and the clock run as they would

    const auto &w = window_->widgets();
    QList<QComboBox *> lists;
    for (QComboBox *c : {w[List::Telescope], w[List::Ocular], w[List::Ccd], w[List::Binning]}) {
        if (c->isEnabled())
            lists << c;
    }
    QList<QLineEdit *> fields;
    for (QLineEdit *e : inputs() + results()) {
        if (e->isEnabled())
            fields << e;
    }

    const int kind = pick(100);
    if (kind < 12 || fields.isEmpty()) {
        QComboBox *list = lists[pick(lists.size())];
        // The first entries ("User-Defined", "None or Film", "No-VKP2") open the typed fields.
        const int index = chance(0.4) ? pick(std::min(2, list->count())) : pick(list->count());
        return act(QStringLiteral("choose \"%1\" in %2").arg(list->itemText(index), list->objectName()), [&] {
            list->setCurrentIndex(index);
            emit list->activated(index);
        });
    }

    QLineEdit *edit = fields[pick(fields.size())];
    edit->setFocus(Qt::MouseFocusReason);
    const QString name = edit->objectName();
    if (kind < 62) {
        static const QString chars = QStringLiteral("01234567890123456789-+.,. aeinfxE");
        const int key = pick(chars.size() + 8);
        if (key < chars.size())
            return typeKeys(edit, QString(chars[key]));
        static const Qt::Key moves[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right,
                                        Qt::Key_Home, Qt::Key_End, Qt::Key_Backspace, Qt::Key_Delete};
        const Qt::Key k = moves[key - chars.size()];
        return act(QStringLiteral("key %1 in %2").arg(int(k), 0, 16).arg(name), [&] { QTest::keyClick(edit, k); });
    }
    if (kind < 72) {
        const Qt::Key k = chance(0.5) ? Qt::Key_Delete : Qt::Key_Backspace;
        return act(QStringLiteral("select all and delete in %1").arg(name), [&] {
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(edit, k);
        });
    }
    if (kind < 80) {
        // Select a few characters with Shift+arrows, then type over them.
        const int n = 1 + pick(4);
        QString bad = act(QStringLiteral("select %1 characters in %2").arg(n).arg(name), [&] {
            QTest::keyClick(edit, chance(0.5) ? Qt::Key_Home : Qt::Key_End);
            for (int i = 0; i < n; ++i)
                QTest::keyClick(edit, chance(0.5) ? Qt::Key_Right : Qt::Key_Left, Qt::ShiftModifier);
        });
        return bad.isEmpty() ? typeKeys(edit, QString(QChar(u'0' + pick(10)))) : bad;
    }
    if (kind < 97) {
        // A whole new number, key by key, as a user retypes a value.
        QString bad = act(QStringLiteral("clear %1").arg(name), [&] {
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(edit, Qt::Key_Delete);
        });
        return bad.isEmpty() ? typeKeys(edit, randomNumberText()) : bad;
    }
    const QString paste = randomPaste();
    const QString what = QStringLiteral("paste %1 characters \"%2\" into %3")
                             .arg(paste.size())
                             .arg(visible(paste.left(40)), name);
    return act(what, [&] {
        if (chance(0.5))
            edit->selectAll();
        edit->insert(paste);
    });
}

QString Storm::run(long count, Watchdog &watchdog)
{
    watchdog_ = &watchdog;
    if (!exposed_)
        return QStringLiteral("the window was not shown");
    if (QString bad = act(QStringLiteral("start-up"), [] {}); !bad.isEmpty())
        return bad;
    for (long i = 1; i <= count; ++i) {
        if (QString bad = actOnce(); !bad.isEmpty())
            return bad;
        // Now and then the user closes the program and starts it again on the saved setup.
        if (chance(kRestartChance)) {
            if (QString bad = restart(watchdog); !bad.isEmpty())
                return bad;
        }
    }
    return restart(watchdog);
}

QString Storm::restart(Watchdog &watchdog)
{
    watchdog.progress(QStringLiteral("seed %1: close and restart").arg(seed_));
    ++stats_.restarts;
    const auto &w = window_->widgets();
    QStringList before{w[List::Telescope]->currentText(), w[List::Ocular]->currentText(), w[List::Ccd]->currentText()};
    QMap<QString, QString> typed;
    for (QLineEdit *e : inputs()) {
        // The file has one line per text: a pasted line break is saved as a space.
        QString text = e->text();
        text.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace(QLatin1Char('\n'), QLatin1Char(' '));
        before << text;
        typed[e->objectName()] = text;
    }
    const auto *cameraRow = oracle::row(catalog::kCameras, w[List::Ccd]->currentText());
    const bool binned = cameraRow && cameraRow->binning;
    window_->close();
    window_.reset();
    messages_.clear();

    start();
    if (!exposed_)
        return QStringLiteral("the restarted window was not shown");
    // What the user left in a field came back from the file; letters in it are theirs.
    for (QLineEdit *e : inputs())
        userText_[e] = typed[e->objectName()];
    const auto &v = window_->widgets();
    QStringList after{v[List::Telescope]->currentText(), v[List::Ocular]->currentText(), v[List::Ccd]->currentText()};
    for (QLineEdit *e : inputs())
        after << e->text();
    // A binning camera starts again in its first mode, with that mode's values.
    const int compared = binned ? 7 : 11;
    // A distance out of range can stand unchecked while a typed telescope value is out of range
    // too (that calculation stops at its first message); the next start checks it and resets it.
    const auto resetAtStart = [&](int i, double highest, const char *reset) {
        const auto n = oracle::plainNumber(before[i], point_);
        if (n && (*n < 0 || *n > highest) && after[i] == QLatin1String(reset))
            after[i] = before[i];
    };
    resetAtStart(5, 30, "5");
    resetAtStart(6, 1000, "55");
    if (before.mid(0, compared) != after.mid(0, compared)) {
        return QStringLiteral("seed %1: the setup did not come back\n  before: \"%2\"\n  after:  \"%3\"")
            .arg(seed_)
            .arg(visible(before.mid(0, compared).join("\" \"")),
                 visible(after.mid(0, compared).join("\" \"")));
    }
    // Start-up applies every saved text in turn, so it may repeat a message for each one (the
    // per-action bound is for the user's own actions).
    messages_.clear();
    handlerStats().reset();
    if (QString bad = check(); !bad.isEmpty())
        return QStringLiteral("seed %1, after restart: %2").arg(seed_).arg(bad);
    messages_.clear();
    return {};
}

long envNumber(const char *name, long fallback)
{
    bool ok = false;
    const long value = qEnvironmentVariable(name).toLong(&ok);
    return ok && value > 0 ? value : fallback;
}

} // namespace

class TstEventStorm : public QObject {
    Q_OBJECT
private slots:
    void storm_data();
    void storm();
};

void TstEventStorm::storm_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<QString>("locale");
    if (qEnvironmentVariableIsSet("VKP2_STORM_SEED")) {
        const quint32 seed = quint32(envNumber("VKP2_STORM_SEED", 1));
        const QString locale = qEnvironmentVariable("VKP2_STORM_LOCALE", QStringLiteral("C"));
        QTest::addRow("seed %u %s", seed, qPrintable(locale)) << seed << locale;
        return;
    }
    QTest::newRow("seed 1 C") << quint32(1) << QStringLiteral("C");
    QTest::newRow("seed 2 C") << quint32(2) << QStringLiteral("C");
    QTest::newRow("seed 3 German") << quint32(3) << QStringLiteral("de_DE");
}

void TstEventStorm::storm()
{
    QFETCH(quint32, seed);
    QFETCH(QString, locale);
    const long actions = envNumber("VKP2_STORM_ACTIONS", 5000);

    QElapsedTimer timer;
    timer.start();
    Watchdog watchdog;
    Storm storm(seed, QLocale(locale));
    const QString bad = storm.run(actions, watchdog);
    QVERIFY2(bad.isEmpty(), qPrintable(bad));

    const Stats &s = storm.stats();
    qInfo("seed %u (%s): %ld actions, %ld checks, %ld with results recomputed (%ld with camera), "
          "%ld messages (at most %d per action), %ld restarts, handlers nested at most %d deep, %lld ms",
          seed, qPrintable(locale), s.actions, s.checks, s.predicted, s.cameraPredicted, s.messages,
          s.mostMessages, s.restarts, s.deepest, timer.elapsed());
    QCOMPARE(s.actions, actions);
    // The storm must reach the states where results can be predicted, or it proves nothing.
    QVERIFY2(s.predicted > s.checks / 5, "too few checks with every input valid");
    QVERIFY2(s.cameraPredicted > s.checks / 20, "too few checks with camera results predicted");
}

QTEST_MAIN(TstEventStorm)
#include "tst_event_storm.moc"
