// show: one setup, every box the calculator shows, and the planner's advice on it.

#include "calculator/core/limits.h"
#include "calculator/core/numbers.h"
#include "cli/advice_cells.h"
#include "cli/command_table.h"
#include "cli/messages.h"
#include "cli/night_options.h"
#include "cli/show_record.h"
#include "cli/setup_options.h"
#include "cli/words.h"
#include "planner/optical_train.h"

namespace vkp2::cli {

namespace {

using planner::Shown;

QString shownBinning(const Shown &sh)
{
    return planner::cameraHasBinning(sh.camera) ? sh.binning : QString();
}

// What the train did, from the engine's effect: the element, its factors and distances.
void addTrain(Record &r, const Context &cx, const planner::Setup &setup, const planner::TrainEffect &e)
{
    using planner::TrainField;
    const auto factor = [&cx](std::optional<double> v) {
        return v ? cx.plain(planner::shownFactor(*v)) : Cell::num({});
    };
    const auto length = [&cx](std::optional<double> v) {
        return v ? cx.plain(numbers::round2(*v)) : Cell::num({});
    };
    const auto field = [&r](TrainField f, Cell cell) {
        const planner::TrainFieldInfo &i = planner::trainField(f);
        r.add(QLatin1String(i.key), fieldLabel(i.label), std::move(cell), true);
    };
    const auto &lens = setup.train.lens;
    r.add(QStringLiteral("element"), Words::tr("Element"), Cell::str(e.element), true);
    r.add(QStringLiteral("element_factor"), Words::tr("Lens factor"), factor(e.lensFactor), true);
    field(TrainField::Spacing, length(e.spacingMm));
    field(TrainField::DesignSpacing, length(lens ? planner::designSpacingOf(*lens) : std::nullopt));
    field(TrainField::ProjectionDistance, length(e.projectionDistanceMm));
    r.add(QStringLiteral("rear_factor"), Words::tr("Rear factor"), factor(e.rearFactor), true);
    r.add(QStringLiteral("total_factor"), Words::tr("Total factor"), factor(e.totalFactor), true);
}

Record showRecord(const Context &cx, const planner::Setup &setup, const Shown &sh,
                  const planner::AdviceOptions &options, const planner::Advice &advice)
{
    Record r;
    r.add(QStringLiteral("telescope"), Words::tr("Telescope"), Cell::str(shownTelescope(setup, sh)));
    r.add(QStringLiteral("ocular"), Words::tr("Ocular in VKP-2"), Cell::str(sh.ocular));
    r.add(QStringLiteral("camera"), Words::tr("CCD Camera"), Cell::str(shownCamera(setup, sh)));
    r.add(QStringLiteral("binning"), Words::tr("Binning"), Cell::str(shownBinning(sh)), true);
    if (sh.train)
        addTrain(r, cx, setup, *sh.train);
    for (const BoxInfo &b : kBoxes) {
        r.add(QLatin1String(b.key.data(), qsizetype(b.key.size())),
              boxLabel(b), cx.box(sh.box(b.id)));
    }
    r.add(QStringLiteral("magnification"), Words::tr("Magnification"),
          cx.result(advice.magnification), true);
    r.add(QStringLiteral("seeing_arcsec"), Words::tr("Seeing (arcsec)"),
          cx.plain(cx.advice.seeingArcsec));
    r.add(QStringLiteral("sampling"),
          advice.seeingLongExposureOnly ? Words::tr("Sampling of the seeing (long exposures)")
                                        : Words::tr("Sampling of the seeing"),
          Cell::str(seeingVerdictText(advice, cx.wording())), true);
    if (cx.format != Format::Text) // the text's label says it
        r.add(QStringLiteral("sampling_long_exposure_only"), QString(),
              Cell::boolean(advice.seeingLongExposureOnly), false, false);
    r.add(QStringLiteral("dawes_limit_arcsec"), Words::tr("Dawes limit (arcsec)"),
          cx.result(advice.dawesArcsec), true);
    r.add(QStringLiteral("rayleigh_550nm_arcsec"), Words::tr("Rayleigh limit at 550 nm (arcsec)"),
          cx.result(advice.rayleighArcsec), true);
    r.add(QStringLiteral("rayleigh_arcsec"),
          Words::tr("Rayleigh limit at %1 nm (arcsec)").arg(cx.numberText(options.wavelengthNm)),
          cx.result(advice.rayleighAtWavelengthArcsec), true,
          options.wavelengthNm != limits::kWavelengthNm); // else the 550 nm line says it
    if (advice.samplingPitchUm || cx.focalRatioAsked) {
        r.add(QStringLiteral("wavelength_nm"), Words::tr("Wavelength (nm)"),
              cx.plain(options.wavelengthNm));
        r.add(QStringLiteral("filter"), Words::tr("Filter"), Cell::str(options.filterName), true);
        r.add(QStringLiteral("colour_sensor"), Words::tr("Colour-matrix sensor"),
              Cell::boolean(options.colourSensor));
        r.add(QStringLiteral("colour_factor"), Words::tr("Colour factor"),
              cx.plain(advice.colourFactor));
        r.add(QStringLiteral("sampling_rule"), Words::tr("Sampling rule"),
              Cell::str(QLatin1String(planner::samplingRuleInfo(options.rule).key)));
        r.add(QStringLiteral("critical_focal_ratio"), Words::tr("Critical focal ratio"),
              cx.result(advice.criticalFocalRatio), true);
        r.add(QStringLiteral("focal_ratio_sampling"), Words::tr("Sampling by focal ratio"),
              Cell::str(focalRatioVerdictText(advice, cx.wording())), true);
    }
    if (options.target)
        addTarget(r, cx, *options.target, advice);
    r.add(QStringLiteral("note"), Words::tr("Note"), Cell::str(notesText(advice)), true);
    r.add(QStringLiteral("messages"), QString(), Cell::str(messagesText(sh)), false, false);
    return r;
}

} // namespace

Result runShow(const Context &cx)
{
    const BuiltSetup built = buildSetup(cx, Oculars::One);
    const Shown sh = planner::show(built.setup);
    const planner::AdviceOptions options = adviceFor(cx, built.colourCamera);
    const planner::Advice advice = planner::adviseOn(sh, options);
    Record r = showRecord(cx, built.setup, sh, options, advice);
    r.table.rows.append(r.row);
    Result out;
    // The panes are a table of their own in CSV; text lists them after the record.
    if (options.mosaic && cx.format == Format::Csv)
        out.out = mosaicCsv(advice);
    else
        out.out = writeRecord(r.table, cx.format);
    if (options.mosaic && cx.format == Format::Text)
        out.out += mosaicLines(cx, advice).toUtf8();
    if (options.mosaic && !advice.mosaic && cx.format != Format::Text)
        out.err += diagnostic(planner::noMosaicText());
    out.err += diagnosticsOf(built);
    const QList<Message> messages = distinctMessages(sh.messages);
    for (const Message &m : messages)
        out.err += (messageLine(m, sh) + QLatin1Char('\n')).toUtf8();
    out.status = messages.isEmpty() && built.warnings.isEmpty() ? kExitOk : kExitCalculatorMessage;
    if (options.mosaic && !advice.mosaic)
        out.status = kExitFailed;
    return out;
}

} // namespace vkp2::cli
