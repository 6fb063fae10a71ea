// libFuzzer: any bytes, of any size, as the user equipment file; then the start-up that reads
// and applies it, a close that saves it again, and a second start-up from what was saved.

#include "calculator/core/numbers.h"
#include "storage/user_equipment_file.h"
#include "calculator/procedures/headless_calculator.h"
#include "support/calculator/handler_counter.h"
#include "support/calculator/recorded_message_boxes.h"
#include "widgets/toolkit/widget_controls.h"
#include "widgets/main_window/main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

using namespace vkp2;

namespace {

[[noreturn]] void broken(const char *what)
{
    std::fprintf(stderr, "fuzz_user_file: %s\n", what);
    std::abort();
}

// The setup the window shows: the lists and the eight input fields, with their enabled states.
QStringList setup(const MainWindow &window)
{
    const auto &w = window.widgets();
    QStringList out;
    for (QComboBox *c : {w[List::Telescope], w[List::Ocular], w[List::Ccd], w[List::Binning]})
        out << c->currentText();
    for (QLineEdit *e : {w[Box::Flength], w[Box::Aperture], w[Box::Distance_tl], w[Box::Distance_d], w[Box::Pixelsize_width],
                         w[Box::Pixelsize_height], w[Box::Chipsize_width], w[Box::Chipsize_height]})
        out << e->text() + (e->isEnabled() ? QStringLiteral(" (on)") : QString());
    return out;
}

QStringList results(const MainWindow &window)
{
    const auto &w = window.widgets();
    QStringList out;
    for (QLineEdit *e : {w[Box::Fratio], w[Box::efl], w[Box::efr], w[Box::Fov_width], w[Box::Fov_height], w[Box::Pixelscale_width],
                         w[Box::Pixelscale_height]})
        out << e->text();
    return out;
}

// Whether the results follow from the inputs alone: an emptied box, a bare "0" in a camera box
// and a text that is no number change nothing by design, so the results then depend on what
// the start-up wrote before them.
bool settled(const MainWindow &window)
{
    const auto &w = window.widgets();
    for (QLineEdit *e : {w[Box::Flength], w[Box::Aperture], w[Box::Distance_tl], w[Box::Distance_d]}) {
        if (!numbers::parse(e->text()))
            return false;
    }
    if (w[List::Ccd]->currentText() == QLatin1String("None or Film"))
        return true;
    for (QLineEdit *e : {w[Box::Pixelsize_width], w[Box::Pixelsize_height], w[Box::Chipsize_width], w[Box::Chipsize_height]}) {
        if (e->text() == QLatin1String("0") || !numbers::parse(e->text()))
            return false;
    }
    return true;
}

void compare(const QStringList &first, const QStringList &second, const char *what)
{
    if (first == second)
        return;
    for (int i = 0; i < first.size(); ++i) {
        if (first[i] != second[i])
            std::fprintf(stderr, "  %s %d: \"%s\" became \"%s\"\n", what, i, qPrintable(first[i].left(60)),
                         qPrintable(second[i].left(60)));
    }
    broken("a saved setup did not come back as it was");
}

void checkStart(const MainWindow &window, const RecordedMessageBoxes &messages)
{
    const auto &w = window.widgets();
    for (QComboBox *c : {w[List::Telescope], w[List::Ocular], w[List::Ccd], w[List::Binning]}) {
        if (c->currentText().isEmpty())
            broken("a list shows no entry after start-up");
    }
    // The program writes no letters into its results ("inf", "nan", exponents).
    for (QLineEdit *e : {w[Box::Fratio], w[Box::efr], w[Box::Fov_width], w[Box::Fov_height], w[Box::Pixelscale_width], w[Box::Pixelscale_height]}) {
        for (const QChar c : e->text()) {
            if (c.isLetter())
                broken("a result shows a letter");
        }
    }
    for (const ShownMessage &m : messages.shown) {
        if (m.text.isEmpty() || m.title.isEmpty())
            broken("a message without text or title");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    static QTemporaryDir dir;
    if (!dir.isValid() || !QDir::setCurrent(dir.path()))
        broken("no temporary folder");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path() + "/settings");
    // Each input is written to the current folder, so that is the file read; the data folder
    // is kept private all the same.
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path() + "/data"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    {
        QFile file(storage::kUserEquipmentFileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
            broken("cannot write the input file");
    }

    // The reader alone: slots hold no line end and never more than it may read.
    const auto userData = storage::readUserEquipmentFile(storage::kUserEquipmentFileName);
    qsizetype total = 0;
    for (const QString &slot : userData) {
        if (slot.contains(QLatin1Char('\n')))
            broken("a slot holds a line end");
        total += slot.size();
    }
    if (total > storage::kMaxReadBytes)
        broken("the reader took more than it may read");

    // The headless calculator starts from the same setup, with shallow nesting; the window
    // must end with the same fifteen texts and the same messages.
    HeadlessCalculator headless(nullptr, countHandlers);
    handlerStats().reset();
    headless.start(userData);
    if (handlerStats().depth != 0 || handlerStats().deepest > 8)
        broken("handlers nested too deep at start-up");

    QStringList firstSetup, firstResults;
    bool firstSettled = false;
    {
        RecordedMessageBoxes messages;
        MainWindow window(messages);
        checkStart(window, messages);
        if (boxTexts(window.calculator().controls()) != headless.boxTexts())
            broken("the headless calculator and the window disagree");
        if (messages.shown.size() != headless.messages().size())
            broken("the headless calculator and the window showed different messages");
        firstSetup = setup(window);
        firstResults = results(window);
        firstSettled = settled(window);
        window.close(); // saves the setup
    }
    // A setup the program saved itself comes back as it was.
    RecordedMessageBoxes messages;
    MainWindow window(messages);
    checkStart(window, messages);
    compare(firstSetup, setup(window), "field");
    if (firstSettled)
        compare(firstResults, results(window), "result");
    return 0;
}
