// table --all: every telescope, ocular, camera and binning mode, on one calculator.

#include "calculator/catalog/lookup.h"
#include "cli/command_table.h"
#include "cli/options.h"
#include "cli/setup_options.h"
#include "cli/table_rows.h"
#include "cli/words.h"
#include "planner/advice.h"

#include <algorithm>

namespace vkp2::cli {

namespace {

using planner::Setup;

struct WalkPart {
    RowTable rows;
    QList<Message> startMessages;
    planner::Shown startShown;
};

// Every camera and mode on the given telescopes, one calculator for them all. Cameras are
// visited in the planner's walk order; rows still come out in list order.
WalkPart walkKit(const Context &cx, const Setup &base, const QStringList &telescopes,
                 const QStringList &oculars)
{
    WalkPart part;
    part.rows = rowTable(cx);
    planner::KitWalk walk(base);
    part.startShown = walk.shown();
    part.startMessages = part.startShown.messages;
    const QStringList cameras = planner::cameraEntries();
    const QList<qsizetype> order = planner::cameraVisitOrder(cameras);
    const QStringList modes = planner::binningModes();
    for (const QString &telescope : telescopes) {
        walk.chooseTelescope(telescope);
        for (const QString &ocular : oculars) {
            walk.chooseOcular(ocular, base.tl, base.d);
            // Rows by list position, each camera's modes in mode order.
            QList<QList<QList<Cell>>> byCamera(cameras.size());
            QList<qsizetype> binning;
            bool hadMessage = false;
            for (const qsizetype c : order) {
                if (planner::cameraHasBinning(cameras[c])) {
                    binning << c;
                    continue;
                }
                walk.calculator().clearMessages();
                walk.chooseCamera(cameras[c]);
                const planner::Shown sh = walk.shown();
                byCamera[c] << rowCells(part.rows, sh, sh.messages, hadMessage);
                part.rows.anyMessage = part.rows.anyMessage || hadMessage;
            }
            // One pass per mode, starting with the mode the list shows: between cameras in one
            // mode few boxes change, where a change of mode rewrites all four.
            qsizetype m = std::max<qsizetype>(0, modes.indexOf(walk.calculator()[List::Binning].text()));
            for (qsizetype n = 0; n < modes.size(); ++n, m = (m + 1) % modes.size()) {
                for (const qsizetype c : binning) {
                    walk.calculator().clearMessages();
                    walk.chooseCamera(cameras[c]);
                    // As a start from the setup runs it: the camera, then its mode. Only what
                    // choosing the mode shows belongs to the row.
                    if (walk.calculator()[List::Binning].text() != modes[m]) {
                        walk.calculator().clearMessages();
                        walk.chooseBinning(modes[m]);
                    }
                    const planner::Shown sh = walk.shown();
                    byCamera[c].resize(modes.size());
                    byCamera[c][m] = rowCells(part.rows, sh, sh.messages, hadMessage);
                    part.rows.anyMessage = part.rows.anyMessage || hadMessage;
                }
            }
            for (auto &rows : byCamera) {
                for (auto &row : rows)
                    part.rows.table.rows.append(std::move(row));
            }
        }
    }
    return part;
}

} // namespace

Result runTableAll(const Context &cx)
{
    const Arguments &a = cx.args;
    for (const char *o : {"--setup", "--telescope", "--focal-length", "--aperture", "--camera",
                          "--pixel", "--chip", "--binning", "--d-from", "--d-to", "--d-step", "--kit"}) {
        if (a.has(QLatin1String(o)))
            fail(QLatin1String(o), Words::tr("cannot be combined with --all"));
    }
    // The presets' walk has no train of its own.
    for (const QString &o : optionNames(OptionGroup::Train)) {
        if (a.has(o))
            fail(o, Words::tr("cannot be combined with --all"));
    }
    const BuiltSetup start = buildSetup(cx, Oculars::Several, TrainUse::None);
    Setup base; // the calculator's defaults, at the chosen distances
    base.tl = start.setup.tl;
    base.d = start.setup.d;
    // One D and TL serve every row: a fallback would change all but the first row silently.
    rangeCheck(cx, QStringLiteral("--tl"), base.tl, limits::kDistanceTlLowest, limits::kDistanceTlHighest);
    rangeCheck(cx, QStringLiteral("--d"), base.d, limits::kDistanceDLowest, limits::kDistanceDHighest);
    const QStringList oculars = chosenOculars(cx, start.setup);
    QStringList telescopes = planner::telescopeEntries();
    telescopes.removeAll(entries::UserDefined);

    const WalkPart whole = walkKit(cx, base, telescopes, oculars);
    return finishTable(cx, whole.rows, whole.startMessages, whole.startShown, start.warnings,
                       start.notices);
}

} // namespace vkp2::cli
