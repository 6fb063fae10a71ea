#include "cli/commands.h"

#include "calculator/catalog/camera_table.h"
#include "calculator/catalog/lookup.h"
#include "calculator/catalog/ocular_table.h"
#include "calculator/core/numbers.h"
#include "calculator/core/optics.h"
#include "calculator/toolkit/app_info.h"
#include "cli/arguments.h"
#include "cli/output.h"
#include "cli/suggest.h"
#include "planner/sampling.h"
#include "planner/setup.h"
#include "planner/solve.h"
#include "planner/solve_setup.h"
#include "planner/targets.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace vkp2::cli {

namespace {

using planner::Setup;
using planner::Shown;

// Above this a table is more likely a mistyped step than a plan.
constexpr qsizetype kMaxRows = 100000;

struct Context {
    Format format = Format::Text;
    const Arguments *args = nullptr;
    double seeing = 2;
    double wavelength = 550;
    bool colour = false;
    std::optional<planner::Target> target; // --target, or --size as a target of one size
    bool planetary = false;                // the Moon or a planet: focal-ratio advice applies
};

[[noreturn]] void fail(const QString &option, const QString &what)
{
    throw UsageError{option + QStringLiteral(": ") + what};
}

// Plain signed decimals with a dot, as numbers::parse takes them in the C locale.
std::optional<double> parseIn(const QLocale &base, const QString &text)
{
    for (const QChar c : text) {
        if (c.isLetter())
            return std::nullopt;
    }
    QLocale locale = base;
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double v = locale.toDouble(text, &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// An option's number: a dot always, in text mode also the locale's decimal separator.
double optionNumber(const Context &cx, const QString &option, const QString &text)
{
    if (auto v = parseIn(QLocale::c(), text))
        return *v;
    if (cx.format == Format::Text) {
        if (auto v = numbers::parse(text))
            return *v;
    }
    fail(option, QStringLiteral("\"%1\" is not a number").arg(text));
}

double positiveOption(const Context &cx, const QString &option, double fallback)
{
    if (!cx.args->has(option))
        return fallback;
    const double v = optionNumber(cx, option, cx.args->value(option));
    if (!(v > 0))
        fail(option, QStringLiteral("must be greater than 0"));
    return v;
}

// An option's number as the text a box would hold, in the locale the calculator runs in.
QString boxTextOf(const Context &cx, const QString &option, const QString &text)
{
    return numbers::format(optionNumber(cx, option, text));
}

std::pair<QString, QString> pairOption(const Context &cx, const QString &option, bool heightOptional)
{
    const QString text = cx.args->value(option);
    QStringList parts = text.split(QRegularExpression(QStringLiteral("[x×X]")));
    if (parts.size() == 1 && heightOptional)
        parts << parts.first();
    if (parts.size() != 2)
        fail(option, QStringLiteral("\"%1\" is not of the form WxH").arg(text));
    return {boxTextOf(cx, option, parts[0].trimmed()), boxTextOf(cx, option, parts[1].trimmed())};
}

QString presetName(const QString &option, const QString &kind, const QString &typed,
                   const QStringList &entries)
{
    if (entries.contains(typed))
        return typed;
    // A different case is still the same preset.
    for (const QString &e : entries) {
        if (e.compare(typed, Qt::CaseInsensitive) == 0)
            return e;
    }
    const QStringList close = closestEntries(typed, entries);
    QString message = QStringLiteral("no %1 \"%2\"").arg(kind, typed);
    if (!close.isEmpty()) {
        QStringList quoted;
        for (const QString &c : close)
            quoted << QLatin1Char('"') + c + QLatin1Char('"');
        message += QStringLiteral("; did you mean %1?").arg(quoted.join(QStringLiteral(", ")));
    } else {
        message += QStringLiteral("; see \"vkp2plan list %1s\"").arg(kind);
    }
    fail(option, message);
}

// The window keeps its file's numbers in the user's locale; CSV and JSON runs are in C.
Setup inRunLocale(Setup s)
{
    const QLocale system = QLocale::system();
    if (system.decimalPoint() == QLocale().decimalPoint())
        return s;
    for (QString *t : {&s.focalLength, &s.aperture, &s.tl, &s.d, &s.pixelWidth, &s.pixelHeight,
                       &s.chipWidth, &s.chipHeight}) {
        if (auto v = parseIn(system, *t))
            *t = numbers::format(*v);
    }
    return s;
}

// table and solve take their oculars one by one (cx.args' --ocular list), so the base keeps its own.
Setup buildSetup(const Context &cx, bool focalLengthIsGoal, bool takeOcular = true)
{
    const Arguments &a = *cx.args;
    Setup s;
    if (a.has(QStringLiteral("--setup"))) {
        const QString path = a.value(QStringLiteral("--setup"));
        const auto fromFile = planner::setupFromFile(path);
        if (!fromFile)
            fail(QStringLiteral("--setup"), QStringLiteral("cannot read \"%1\"").arg(path));
        s = inRunLocale(*fromFile);
    } else {
        s = inRunLocale(planner::lastSetup());
    }

    const QString userDefined = entries::UserDefined;
    if (a.has(QStringLiteral("--telescope")))
        s.chooseTelescope(presetName(QStringLiteral("--telescope"), QStringLiteral("telescope"),
                                     a.value(QStringLiteral("--telescope")),
                                     planner::telescopeEntries()));
    const bool typedFocal = !focalLengthIsGoal && a.has(QStringLiteral("--focal-length"));
    if (typedFocal || a.has(QStringLiteral("--aperture"))) {
        if (a.has(QStringLiteral("--telescope")) && s.telescope != userDefined)
            fail(typedFocal ? QStringLiteral("--focal-length") : QStringLiteral("--aperture"),
                 QStringLiteral("a preset telescope has its own; leave out --telescope or give "
                                "--telescope User-Defined"));
        s.typeTelescope(typedFocal ? boxTextOf(cx, QStringLiteral("--focal-length"),
                                               a.value(QStringLiteral("--focal-length")))
                                   : s.focalLength,
                        a.has(QStringLiteral("--aperture"))
                            ? boxTextOf(cx, QStringLiteral("--aperture"),
                                        a.value(QStringLiteral("--aperture")))
                            : s.aperture);
    }
    if (takeOcular && a.has(QStringLiteral("--ocular")))
        s.ocular = presetName(QStringLiteral("--ocular"), QStringLiteral("ocular"),
                              a.value(QStringLiteral("--ocular")), planner::ocularEntries());
    // The window locks both distances at 0 for prime focus; a typed one would never be used.
    QStringList oculars{s.ocular};
    if (!takeOcular) {
        oculars.clear();
        for (const QString &name : a.values(QStringLiteral("--ocular")))
            oculars << presetName(QStringLiteral("--ocular"), QStringLiteral("ocular"), name,
                                  planner::ocularEntries());
    }
    const bool primeOnly = !oculars.isEmpty() && oculars.count(entries::NoVkp2) == oculars.size();
    for (const char *o : {"--tl", "--d"}) {
        if (primeOnly && a.has(QLatin1String(o)))
            fail(QLatin1String(o), QStringLiteral("the distances are fixed at 0 with No-VKP2"));
    }
    if (a.has(QStringLiteral("--tl")))
        s.tl = boxTextOf(cx, QStringLiteral("--tl"), a.value(QStringLiteral("--tl")));
    if (a.has(QStringLiteral("--d")))
        s.d = boxTextOf(cx, QStringLiteral("--d"), a.value(QStringLiteral("--d")));
    if (takeOcular)
        s.chooseOcular(s.ocular);
    if (a.has(QStringLiteral("--camera")))
        s.chooseCamera(presetName(QStringLiteral("--camera"), QStringLiteral("camera"),
                                  a.value(QStringLiteral("--camera")), planner::cameraEntries()));
    if (a.has(QStringLiteral("--pixel")) || a.has(QStringLiteral("--chip"))) {
        const QString option = a.has(QStringLiteral("--pixel")) ? QStringLiteral("--pixel")
                                                                : QStringLiteral("--chip");
        if (a.has(QStringLiteral("--camera")) && s.camera != userDefined)
            fail(option, QStringLiteral("a preset camera has its own; leave out --camera or give "
                                        "--camera User-Defined"));
        auto pixel = std::pair{s.pixelWidth, s.pixelHeight};
        auto chip = std::pair{s.chipWidth, s.chipHeight};
        if (a.has(QStringLiteral("--pixel")))
            pixel = pairOption(cx, QStringLiteral("--pixel"), true);
        if (a.has(QStringLiteral("--chip")))
            chip = pairOption(cx, QStringLiteral("--chip"), false);
        s.typeCamera(pixel.first, pixel.second, chip.first, chip.second);
    }
    if (a.has(QStringLiteral("--binning")))
        s.binning = presetName(QStringLiteral("--binning"), QStringLiteral("binning mode"),
                               a.value(QStringLiteral("--binning")), planner::binningModes());
    return s;
}

Context buildContext(const Arguments &a)
{
    Context cx;
    cx.args = &a;
    if (a.has(QStringLiteral("--format"))) {
        const QString f = a.value(QStringLiteral("--format"));
        if (f == QLatin1String("text"))
            cx.format = Format::Text;
        else if (f == QLatin1String("csv"))
            cx.format = Format::Csv;
        else if (f == QLatin1String("json"))
            cx.format = Format::Json;
        else
            fail(QStringLiteral("--format"), QStringLiteral("\"%1\" is none of text, csv, json").arg(f));
    }
    // The calculator reads and writes its boxes in QLocale(): the user's locale for text, as
    // the window does, and C for CSV and JSON so the boxes already hold plain numbers.
    QLocale::setDefault(cx.format == Format::Text ? QLocale::system() : QLocale::c());

    cx.seeing = positiveOption(cx, QStringLiteral("--seeing"), 2);
    cx.wavelength = positiveOption(cx, QStringLiteral("--wavelength"), 550);
    cx.colour = a.has(QStringLiteral("--colour"));
    if (a.has(QStringLiteral("--target")) && a.has(QStringLiteral("--size")))
        fail(QStringLiteral("--size"), QStringLiteral("give either --target or --size"));
    if (a.has(QStringLiteral("--target"))) {
        const QString key = a.value(QStringLiteral("--target"));
        cx.target = planner::findTarget(key);
        if (!cx.target)
            fail(QStringLiteral("--target"), QStringLiteral("no target \"%1\"; one of %2")
                                                 .arg(key, planner::targetKeys().join(QStringLiteral(", "))));
        cx.planetary = QLatin1String(cx.target->key) != QLatin1String("sun");
    } else if (a.has(QStringLiteral("--size"))) {
        const double size = positiveOption(cx, QStringLiteral("--size"), 0);
        cx.target = planner::Target{"size", "Target", size, size};
    }
    return cx;
}

// --- What a shown setup says ------------------------------------------------------------------

// Whether a text is already a plain decimal: an optional minus, digits, and a dot with digits.
bool isPlainDecimal(const QString &text)
{
    qsizetype i = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    const qsizetype digitsFrom = i;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128)
        ++i;
    if (i == digitsFrom)
        return false;
    if (i == text.size())
        return true;
    if (text[i] != QLatin1Char('.') || ++i == text.size())
        return false;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128)
        ++i;
    return i == text.size();
}

Cell boxCell(const Context &cx, const QString &text)
{
    // The boxes the calculator writes in the C locale are plain already; no need to reformat.
    if (cx.format != Format::Text && isPlainDecimal(text))
        return Cell::num(text);
    const auto v = numbers::parse(text);
    if (!v)
        return Cell::str(text);
    return Cell::num(cx.format == Format::Text ? text : numbers::format(*v));
}

Cell resultCell(std::optional<double> v) { return Cell::num(numbers::resultText(v)); }

std::optional<double> positive(std::optional<double> v)
{
    return v && std::isfinite(*v) && *v > 0 ? v : std::nullopt;
}

const catalog::OcularRow *ocularRow(const QString &name)
{
    for (const auto &row : catalog::kOculars) {
        if (QLatin1String(row.name) == name)
            return &row;
    }
    return nullptr;
}

std::optional<double> magnificationOf(const Shown &sh)
{
    const auto *row = ocularRow(sh.ocular);
    const auto tl = sh.number("Distance_tl");
    const auto d = sh.number("Distance_d");
    if (!row || !tl || !d)
        return std::nullopt;
    return optics::magnification(optics::projectionDistance(row->length, *tl, *d, row->offset),
                                 row->focalLength);
}

// Verdicts and pixel counts use the scale computed from the focal length as shown, not the
// 2-decimal scale boxes, so the rounding neither moves a verdict at a band edge nor distorts
// a size in pixels.
struct Scales {
    std::optional<double> width, height;
};
Scales scalesOf(const Shown &sh)
{
    return {planner::unroundedPixelScale(sh), planner::unroundedPixelScaleHeight(sh)};
}

QString verdictText(std::optional<planner::Sampling> w, std::optional<planner::Sampling> h)
{
    if (!w || !h)
        return {};
    if (*w == *h)
        return planner::samplingWord(*w);
    return QStringLiteral("%1 (width), %2 (height)")
        .arg(planner::samplingWord(*w), planner::samplingWord(*h));
}

QString seeingVerdict(const Context &cx, const Scales &s)
{
    return verdictText(s.width ? planner::seeingVerdict(*s.width, cx.seeing) : std::nullopt,
                       s.height ? planner::seeingVerdict(*s.height, cx.seeing) : std::nullopt);
}

// The coarser pitch sets the focal ratio both directions need.
std::optional<double> pitchOf(const Shown &sh)
{
    const auto pw = positive(sh.number("Pixelsize_width"));
    const auto ph = positive(sh.number("Pixelsize_height"));
    if (!pw || !ph)
        return std::nullopt;
    return std::max(*pw, *ph);
}

std::optional<double> focalRatioOf(const Shown &sh)
{
    return numbers::quotient(positive(sh.number("efl")), positive(sh.number("Aperture")));
}

QString focalRatioVerdict(const Context &cx, const Shown &sh)
{
    const auto pitch = pitchOf(sh);
    const auto ratio = focalRatioOf(sh);
    if (!pitch || !ratio)
        return {};
    const auto v = planner::focalRatioVerdict(*ratio, *pitch, cx.wavelength, cx.colour);
    return v ? planner::samplingWord(*v) : QString();
}

QString fallbackOf(const Message &m, const Shown &sh)
{
    const QString &t = m.text;
    if (t.startsWith(QLatin1String("Distance - D ")))
        return QStringLiteral("D falls back to %1").arg(sh.box("Distance_d"));
    if (t.startsWith(QLatin1String("Distance - TL ")))
        return QStringLiteral("TL falls back to %1").arg(sh.box("Distance_tl"));
    if (t.startsWith(QLatin1String("F-Length ")) || t.startsWith(QLatin1String("Aperture "))) {
        if (sh.telescope == entries::UserDefined)
            return QStringLiteral("the results stay empty");
        return QStringLiteral("the %1's values come back: focal length %2, aperture %3")
            .arg(sh.telescope, sh.box("Flength"), sh.box("Aperture"));
    }
    if (t == QLatin1String("Enter a number greater than 50."))
        return QStringLiteral("the box falls back to 50");
    if (t.contains(QLatin1String("does not support")))
        return QStringLiteral("binning falls back to %1").arg(sh.binning);
    return {};
}

QString messageLine(const Message &m, const Shown &sh)
{
    QString line = m.title + QStringLiteral(": ") + m.text;
    const QString fallback = fallbackOf(m, sh);
    if (!fallback.isEmpty())
        line += QStringLiteral(" (") + fallback + QLatin1Char(')');
    return line;
}

QString messagesText(const QList<Message> &messages, const Shown &sh)
{
    QStringList lines;
    for (const auto &m : messages)
        lines << messageLine(m, sh);
    return lines.join(QStringLiteral("; "));
}

// --- show -------------------------------------------------------------------------------------

struct BoxField {
    const char *box;
    const char *key;
    const char *label;
};
constexpr BoxField kBoxFields[] = {
    {"Flength", "focal_length_mm", "Focal Length (mm)"},
    {"Aperture", "aperture_mm", "Aperture (mm)"},
    {"Fratio", "focal_ratio", "F-Ratio"},
    {"Distance_tl", "tl_mm", "Distance TL (0-30mm)"},
    {"Distance_d", "d_mm", "Cam. Focal Distance D (mm)"},
    {"efl", "efl_mm", "Extended Focal Length (mm)"},
    {"efr", "efr", "Extended Focal Ratio"},
    {"Pixelsize_width", "pixel_width_um", "Pixel Size Width (microns)"},
    {"Pixelsize_height", "pixel_height_um", "Pixel Size Height (microns)"},
    {"Chipsize_width", "chip_width_px", "Chip Size Width (pixels)"},
    {"Chipsize_height", "chip_height_px", "Chip Size Height (pixels)"},
    {"Fov_width", "fov_width_arcmin", "FOV Width (arcmin)"},
    {"Fov_height", "fov_height_arcmin", "FOV Height (arcmin)"},
    {"Pixelscale_width", "scale_width_arcsec_per_px", "Scale W (arcsec/pixel)"},
    {"Pixelscale_height", "scale_height_arcsec_per_px", "Scale H (arcsec/pixel)"},
};

QString shownBinning(const Shown &sh)
{
    return planner::cameraHasBinning(sh.camera) ? sh.binning : QString();
}

struct Record {
    Table table;
    QList<Cell> row;
    void add(const QString &key, const QString &label, Cell cell, bool optional = false,
             bool inText = true, bool inData = true)
    {
        Field f{key, label};
        f.optional = optional;
        f.inText = inText;
        f.inData = inData;
        table.add(f);
        row.append(std::move(cell));
    }
};

void addTargetFit(Record &r, const Context &cx, const Shown &sh, const Scales &scales)
{
    const auto &t = *cx.target;
    // A --size target has no name of its own.
    const bool named = QLatin1String(t.key) != QLatin1String("size");
    r.add(QStringLiteral("target"), QStringLiteral("Target"),
          Cell::str(named ? QLatin1String(t.name) : QString()), true);
    const auto cw = positive(sh.number("Chipsize_width"));
    const auto ch = positive(sh.number("Chipsize_height"));
    const bool single = t.minArcsec == t.maxArcsec;
    const QList<std::pair<QString, double>> sizes =
        single ? QList<std::pair<QString, double>>{{QStringLiteral("target"), t.minArcsec}}
               : QList<std::pair<QString, double>>{{QStringLiteral("smallest"), t.minArcsec},
                                                   {QStringLiteral("largest"), t.maxArcsec}};
    for (const auto &[which, size] : sizes) {
        std::optional<planner::TargetFit> fit;
        if (scales.width && scales.height && cw && ch)
            fit = planner::fitTarget(size, *scales.width, *scales.height, qRound(*cw), qRound(*ch));
        const QString prefix = single ? QStringLiteral("target_") : QStringLiteral("target_%1_").arg(which);
        const QString label = single ? QStringLiteral("Fit") : QStringLiteral("Fit at its %1").arg(which);
        r.add(prefix + QStringLiteral("arcsec"), QString(), Cell::num(numbers::format(size)), false,
              false);
        r.add(prefix + QStringLiteral("width_px"), QString(),
              fit ? resultCell(fit->widthPx) : Cell::num({}), false, false);
        r.add(prefix + QStringLiteral("height_px"), QString(),
              fit ? resultCell(fit->heightPx) : Cell::num({}), false, false);
        r.add(prefix + QStringLiteral("fits"), QString(),
              fit ? Cell::boolean(fit->fits) : Cell{QString(), Cell::Kind::Bool}, false, false);
        r.add(prefix + QStringLiteral("fit"), label,
              Cell::str(fit ? planner::fitSentence(QLatin1String(t.name), size, *fit)
                            : QStringLiteral("no camera frame to fit")));
    }
}

Record showRecord(const Context &cx, const Shown &sh)
{
    Record r;
    r.add(QStringLiteral("telescope"), QStringLiteral("Telescope"), Cell::str(sh.telescope));
    r.add(QStringLiteral("ocular"), QStringLiteral("Ocular in VKP-2"), Cell::str(sh.ocular));
    r.add(QStringLiteral("camera"), QStringLiteral("CCD Camera"), Cell::str(sh.camera));
    r.add(QStringLiteral("binning"), QStringLiteral("Binning"), Cell::str(shownBinning(sh)), true);
    for (const auto &b : kBoxFields)
        r.add(QLatin1String(b.key), QLatin1String(b.label), boxCell(cx, sh.box(b.box)));
    r.add(QStringLiteral("magnification"), QStringLiteral("Magnification"),
          resultCell(magnificationOf(sh)), true);

    const Scales scales = scalesOf(sh);
    r.add(QStringLiteral("seeing_arcsec"), QStringLiteral("Seeing (arcsec)"),
          Cell::num(numbers::format(cx.seeing)));
    r.add(QStringLiteral("sampling"), QStringLiteral("Sampling of the seeing"),
          Cell::str(seeingVerdict(cx, scales)), true);
    const auto aperture = sh.number("Aperture");
    r.add(QStringLiteral("dawes_limit_arcsec"), QStringLiteral("Dawes limit (arcsec)"),
          resultCell(aperture ? planner::dawesLimitArcsec(*aperture) : std::nullopt), true);
    r.add(QStringLiteral("rayleigh_550nm_arcsec"), QStringLiteral("Rayleigh limit at 550 nm (arcsec)"),
          resultCell(aperture ? planner::rayleighLimitArcsec(*aperture) : std::nullopt), true);
    if (cx.planetary) {
        const auto pitch = pitchOf(sh);
        r.add(QStringLiteral("wavelength_nm"), QStringLiteral("Wavelength (nm)"),
              Cell::num(numbers::format(cx.wavelength)));
        r.add(QStringLiteral("colour_sensor"), QStringLiteral("Colour-matrix sensor"),
              Cell::boolean(cx.colour));
        r.add(QStringLiteral("critical_focal_ratio"), QStringLiteral("Critical focal ratio"),
              resultCell(pitch ? planner::criticalFocalRatio(*pitch, cx.wavelength, cx.colour)
                               : std::nullopt),
              true);
        r.add(QStringLiteral("focal_ratio_sampling"), QStringLiteral("Sampling by focal ratio"),
              Cell::str(focalRatioVerdict(cx, sh)), true);
    }
    if (cx.target)
        addTargetFit(r, cx, sh, scales);
    r.add(QStringLiteral("messages"), QString(), Cell::str(messagesText(sh.messages, sh)), false,
          false);
    return r;
}

int statusOf(bool anyMessage) { return anyMessage ? kExitCalculatorMessage : kExitOk; }

Result runShow(const Context &cx)
{
    if (cx.args->values(QStringLiteral("--ocular")).size() > 1)
        fail(QStringLiteral("--ocular"), QStringLiteral("show takes one"));
    const Shown sh = planner::show(buildSetup(cx, false));
    Record r = showRecord(cx, sh);
    r.table.rows.append(r.row);
    Result out;
    out.out = writeRecord(r.table, cx.format);
    for (const auto &m : sh.messages)
        out.err += (messageLine(m, sh) + QLatin1Char('\n')).toUtf8();
    out.status = statusOf(!sh.messages.isEmpty());
    return out;
}

// --- table ------------------------------------------------------------------------------------

using RowCells = QList<Cell>;

struct RowTable {
    Table table;
    int note = 0;
    bool anyMessage = false;
    void add(RowCells row)
    {
        anyMessage = anyMessage || !row[note].text.isEmpty();
        table.rows.append(std::move(row));
    }
};

RowTable rowTable(const Context &cx)
{
    RowTable t;
    const auto field = [&](const char *key, const char *heading, bool headerWhenConstant = false) {
        Field f{QLatin1String(key), QString::fromUtf8(heading)};
        f.headerWhenConstant = headerWhenConstant;
        return t.table.add(f);
    };
    QList<QList<int>> &cols = t.table.textColumns;
    cols.append(QList<int>{field("telescope", "Telescope", true)});
    cols.append(QList<int>{field("ocular", "Ocular", true)});
    cols.append(QList<int>{field("camera", "Camera", true)});
    cols.append(QList<int>{field("binning", "Binning", true)});
    cols.append(QList<int>{field("tl_mm", "TL (mm)", true)});
    cols.append(QList<int>{field("d_mm", "D (mm)")});
    cols.append(QList<int>{field("magnification", "Magnification")});
    cols.append(QList<int>{field("efl_mm", "EFL (mm)")});
    cols.append(QList<int>{field("efr", "Focal ratio")});
    cols.append(QList<int>{field("fov_width_arcmin", "FOV (arcmin)"), field("fov_height_arcmin", "")});
    cols.append(QList<int>{field("scale_width_arcsec_per_px", "Scale (arcsec/px)"),
                 field("scale_height_arcsec_per_px", "")});
    cols.append(QList<int>{field("sampling", "Sampling")});
    if (cx.planetary)
        cols.append(QList<int>{field("focal_ratio_sampling", "By focal ratio")});
    t.note = field("note", "Note", true);
    cols.append(QList<int>{t.note});
    return t;
}

RowCells rowCells(const Context &cx, const Shown &sh, const QString &binning)
{
    RowCells row{Cell::str(sh.telescope),
                    Cell::str(sh.ocular),
                    Cell::str(sh.camera),
                    Cell::str(binning),
                    boxCell(cx, sh.box("Distance_tl")),
                    boxCell(cx, sh.box("Distance_d")),
                    resultCell(magnificationOf(sh)),
                    boxCell(cx, sh.box("efl")),
                    boxCell(cx, sh.box("efr")),
                    boxCell(cx, sh.box("Fov_width")),
                    boxCell(cx, sh.box("Fov_height")),
                    boxCell(cx, sh.box("Pixelscale_width")),
                    boxCell(cx, sh.box("Pixelscale_height")),
                    Cell::str(seeingVerdict(cx, scalesOf(sh)))};
    if (cx.planetary)
        row.append(Cell::str(focalRatioVerdict(cx, sh)));
    row.append(Cell::str(messagesText(sh.messages, sh)));
    return row;
}

QStringList chosenOculars(const Context &cx)
{
    QStringList out;
    for (const QString &name : cx.args->values(QStringLiteral("--ocular")))
        out << presetName(QStringLiteral("--ocular"), QStringLiteral("ocular"), name,
                          planner::ocularEntries());
    return out.isEmpty() ? planner::ocularEntries() : out;
}

void rangeCheck(const QString &option, const QString &text, double lo, double hi)
{
    const double v = numbers::parse(text).value_or(lo);
    if (v < lo || v > hi)
        fail(option, QStringLiteral("%1 is outside %2 to %3, which the adapter allows")
                         .arg(text, numbers::format(lo), numbers::format(hi)));
}

Result finishTable(const Context &cx, RowTable &t, const QList<Message> &startMessages,
                   const Shown &startShown)
{
    Result out;
    for (const auto &m : startMessages)
        out.err += (QStringLiteral("vkp2plan: the setup itself: ") + messageLine(m, startShown)
                    + QLatin1Char('\n'))
                       .toUtf8();
    out.out = writeTable(t.table, cx.format);
    out.status = statusOf(t.anyMessage || !startMessages.isEmpty());
    if (t.anyMessage)
        out.err += QByteArray("vkp2plan: the calculator showed messages for some rows; see their note\n");
    return out;
}

// The cameras in the order the kit walk visits them: alike pixel and chip sizes next to each
// other, so a choice rewrites few boxes and the calculator's handlers nest less. Rows are still
// put out in list order.
QList<qsizetype> cameraVisitOrder(const QStringList &cameras)
{
    QList<qsizetype> order;
    for (qsizetype i = 0; i < cameras.size(); ++i) {
        if (cameras[i] != entries::UserDefined && cameras[i] != entries::NoneOrFilm)
            order << i;
    }
    const auto key = [&](qsizetype i) {
        const auto *row = catalog::findByName(catalog::kCameras, cameras[i]);
        return std::tuple{row->binning, row->pixelWidth, row->pixelHeight, row->chipWidth,
                          row->chipHeight};
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](qsizetype a, qsizetype b) { return key(a) < key(b); });
    return order;
}

struct WalkPart {
    RowTable rows;
    QList<Message> startMessages;
    Shown startShown;
};

// Every camera and mode on the given telescopes, one calculator for them all.
WalkPart walkKit(const Context &cx, const Setup &base, const QStringList &telescopes,
                 const QStringList &oculars)
{
    WalkPart part;
    part.rows = rowTable(cx);
    planner::KitWalk walk(base);
    part.startShown = walk.shown();
    part.startMessages = part.startShown.messages;
    const QStringList cameras = planner::cameraEntries();
    const QList<qsizetype> order = cameraVisitOrder(cameras);
    const QStringList modes = planner::binningModes();
    for (const QString &telescope : telescopes) {
        walk.chooseTelescope(telescope);
        for (const QString &ocular : oculars) {
            walk.chooseOcular(ocular, base.tl, base.d);
            // Rows by list position, each camera's modes in mode order.
            QList<QList<RowCells>> byCamera(cameras.size());
            QList<qsizetype> binning;
            for (const qsizetype c : order) {
                if (planner::cameraHasBinning(cameras[c])) {
                    binning << c;
                    continue;
                }
                walk.calculator().clearMessages();
                walk.chooseCamera(cameras[c]);
                byCamera[c] << rowCells(cx, walk.shown(), QString());
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
                    byCamera[c].resize(modes.size());
                    byCamera[c][m] = rowCells(cx, walk.shown(), modes[m]);
                }
            }
            for (auto &rows : byCamera) {
                for (auto &row : rows)
                    part.rows.add(std::move(row));
            }
        }
    }
    return part;
}

Result runTableAll(const Context &cx)
{
    const Arguments &a = *cx.args;
    for (const char *o : {"--setup", "--telescope", "--focal-length", "--aperture", "--camera",
                          "--pixel", "--chip", "--binning", "--d-from", "--d-to", "--d-step"}) {
        if (a.has(QLatin1String(o)))
            fail(QLatin1String(o), QStringLiteral("cannot be combined with --all"));
    }
    Setup start = buildSetup(cx, false, false);
    Setup base; // the calculator's defaults, at the chosen distances
    base.tl = start.tl;
    base.d = start.d;
    // One D and TL serve every row: a fallback would change all but the first row silently.
    rangeCheck(QStringLiteral("--tl"), base.tl, planner::minTubeLengthMm, planner::maxTubeLengthMm);
    rangeCheck(QStringLiteral("--d"), base.d, planner::minDistanceMm, planner::maxDistanceMm);
    const QStringList oculars = chosenOculars(cx);
    QStringList telescopes = planner::telescopeEntries();
    telescopes.removeAll(entries::UserDefined);

    WalkPart whole = walkKit(cx, base, telescopes, oculars);
    return finishTable(cx, whole.rows, whole.startMessages, whole.startShown);
}

Result runTable(const Context &cx)
{
    const Arguments &a = *cx.args;
    if (a.has(QStringLiteral("--all")))
        return runTableAll(cx);
    if (a.has(QStringLiteral("--d"))
        && (a.has(QStringLiteral("--d-from")) || a.has(QStringLiteral("--d-to"))
            || a.has(QStringLiteral("--d-step"))))
        fail(QStringLiteral("--d"), QStringLiteral("give either --d or --d-from/--d-to/--d-step"));
    const Setup base = buildSetup(cx, false, false);
    double from = 0, to = 1000, step = 50;
    if (a.has(QStringLiteral("--d"))) {
        from = to = *numbers::parse(base.d);
    } else {
        if (a.has(QStringLiteral("--d-from")))
            from = optionNumber(cx, QStringLiteral("--d-from"), a.value(QStringLiteral("--d-from")));
        if (a.has(QStringLiteral("--d-to")))
            to = optionNumber(cx, QStringLiteral("--d-to"), a.value(QStringLiteral("--d-to")));
        if (a.has(QStringLiteral("--d-step")))
            step = optionNumber(cx, QStringLiteral("--d-step"), a.value(QStringLiteral("--d-step")));
        if (!(step > 0))
            fail(QStringLiteral("--d-step"), QStringLiteral("must be greater than 0"));
        if (to < from)
            fail(QStringLiteral("--d-to"), QStringLiteral("is below --d-from"));
    }
    // A step that lands on --d-to within rounding still reaches it.
    const double steps = std::floor((to - from) / step * (1 + 1e-12) + 1e-9);
    const QStringList oculars = chosenOculars(cx);
    const qsizetype projecting = oculars.size() - oculars.count(entries::NoVkp2);
    if (steps + 1 > double(kMaxRows)
        || double(projecting) * (steps + 1) + double(oculars.size() - projecting) > double(kMaxRows))
        fail(QStringLiteral("--d-step"), QStringLiteral("more than %1 rows; use a larger step or "
                                                        "a shorter range").arg(kMaxRows));
    const auto distances = qsizetype(steps) + 1;

    planner::KitWalk walk(base);
    walk.chooseBinning(base.binning);
    const QList<Message> startMessages = walk.shown().messages;
    const Shown startShown = walk.shown();
    const QString binning = planner::cameraHasBinning(base.camera) ? base.binning : QString();
    RowTable t = rowTable(cx);
    for (const QString &ocular : oculars) {
        // At prime focus D is locked at 0: one row says it all.
        const qsizetype n = ocular == entries::NoVkp2 ? 1 : distances;
        for (qsizetype i = 0; i < n; ++i) {
            const double d = std::min(from + double(i) * step, to);
            walk.calculator().clearMessages();
            walk.chooseOcular(ocular, base.tl, numbers::format(d));
            t.add(rowCells(cx, walk.shown(), binning));
        }
    }
    return finishTable(cx, t, startMessages, startShown);
}

// --- solve ------------------------------------------------------------------------------------

Result runSolve(const Context &cx)
{
    const Arguments &a = *cx.args;
    const QStringList goals{"--focal-ratio", "--pixel-scale", "--focal-length"};
    QString goalOption;
    for (const QString &g : goals) {
        if (!a.has(g))
            continue;
        if (!goalOption.isEmpty())
            fail(g, QStringLiteral("give one goal: --focal-ratio, --pixel-scale or --focal-length"));
        goalOption = g;
    }
    if (goalOption.isEmpty())
        fail(QStringLiteral("solve"), QStringLiteral("needs a goal: --focal-ratio N, "
                                                     "--pixel-scale ARCSEC or --focal-length MM"));
    const Setup base = buildSetup(cx, true, false);
    // A fallback would solve every row from another TL or D than the one asked for.
    rangeCheck(QStringLiteral("--tl"), base.tl, planner::minTubeLengthMm, planner::maxTubeLengthMm);
    rangeCheck(QStringLiteral("--d"), base.d, planner::minDistanceMm, planner::maxDistanceMm);
    const double wanted = optionNumber(cx, goalOption, a.value(goalOption));
    if (!(wanted > 0))
        fail(goalOption, QStringLiteral("must be greater than 0"));
    auto kind = planner::Goal::Kind::FocalLength;
    if (goalOption == QLatin1String("--focal-ratio")) {
        kind = planner::Goal::Kind::FocalRatio;
    } else if (goalOption == QLatin1String("--pixel-scale")) {
        kind = planner::Goal::Kind::PixelScale;
        if (!positive(planner::show(base).number("Pixelsize_width")))
            fail(goalOption, QStringLiteral("the setup has no camera; give --camera or --pixel"));
    }

    Table t;
    const auto field = [&](const char *key, const char *heading) {
        return t.add(Field{QLatin1String(key), QLatin1String(heading)});
    };
    t.textColumns.append(QList<int>{field("ocular", "Ocular")});
    t.textColumns.append(QList<int>{field("tl_mm", "TL (mm)")});
    t.textColumns.append(QList<int>{field("d_mm", "D (mm)")});
    t.textColumns.append(QList<int>{field("efl_mm", "EFL (mm)")});
    t.textColumns.append(QList<int>{field("efr", "Focal ratio")});
    t.textColumns.append(QList<int>{field("fov_width_arcmin", "FOV (arcmin)"), field("fov_height_arcmin", "")});
    t.textColumns.append(QList<int>{field("scale_width_arcsec_per_px", "Scale (arcsec/px)"),
                          field("scale_height_arcsec_per_px", "")});
    t.textColumns.append(QList<int>{field("reason", "Why not")});
    field("needed_d_mm", "");
    const int note = field("note", "Note");
    t.fields[note].headerWhenConstant = true;
    t.textColumns.append(QList<int>{note});

    bool anyMessage = false;
    for (const auto &row : planner::solveEveryOcular(base, kind, wanted, chosenOculars(cx))) {
        const planner::Solution &solution = row.solution;
        if (!solution.ok()) {
            const bool outOfRange = solution.status == planner::SolveStatus::OutOfRange;
            t.rows.append(QList<Cell>{Cell::str(row.ocular), boxCell(cx, base.tl), Cell::num({}),
                           Cell::num({}), Cell::num({}), Cell::num({}), Cell::num({}),
                           Cell::num({}), Cell::num({}), Cell::str(solution.reason),
                           outOfRange ? resultCell(solution.distanceMm) : Cell::num({}),
                           Cell::str({})});
            continue;
        }
        const Shown &sh = row.shown;
        anyMessage = anyMessage || !sh.messages.isEmpty();
        t.rows.append(QList<Cell>{Cell::str(row.ocular), boxCell(cx, sh.box("Distance_tl")),
                       boxCell(cx, sh.box("Distance_d")), boxCell(cx, sh.box("efl")),
                       boxCell(cx, sh.box("efr")), boxCell(cx, sh.box("Fov_width")),
                       boxCell(cx, sh.box("Fov_height")), boxCell(cx, sh.box("Pixelscale_width")),
                       boxCell(cx, sh.box("Pixelscale_height")), Cell::str({}), Cell::num({}),
                       Cell::str(messagesText(sh.messages, sh))});
    }
    Result out;
    out.out = writeTable(t, cx.format);
    out.status = statusOf(anyMessage);
    return out;
}

// --- list -------------------------------------------------------------------------------------

Result runList(const Context &cx)
{
    const QStringList &what = cx.args->positional;
    if (what.size() != 1)
        fail(QStringLiteral("list"), QStringLiteral("give one of telescopes, oculars, cameras"));
    Table t;
    const auto field = [&](const char *key, const char *heading) {
        return t.add(Field{QLatin1String(key), QString::fromUtf8(heading)});
    };
    const auto num = [](double v) { return Cell::num(numbers::format(v)); };
    if (what[0] == QLatin1String("telescopes")) {
        for (const char *k : {"name", "focal_length_mm", "aperture_mm", "focal_ratio"})
            t.textColumns.append(QList<int>{field(k, k)});
        t.fields[0].heading = QStringLiteral("Telescope");
        t.fields[1].heading = QStringLiteral("Focal length (mm)");
        t.fields[2].heading = QStringLiteral("Aperture (mm)");
        t.fields[3].heading = QStringLiteral("F-Ratio");
        for (const QString &name : planner::telescopeEntries()) {
            if (name == entries::UserDefined)
                continue;
            Setup s;
            s.chooseTelescope(name);
            const Shown sh = planner::show(s); // the ratio exactly as the window shows it
            t.rows.append(QList<Cell>{Cell::str(name), boxCell(cx, sh.box("Flength")),
                           boxCell(cx, sh.box("Aperture")), boxCell(cx, sh.box("Fratio"))});
        }
    } else if (what[0] == QLatin1String("oculars")) {
        t.textColumns.append(QList<int>{field("name", "Ocular")});
        t.textColumns.append(QList<int>{field("focal_length_mm", "Focal length (mm)")});
        t.textColumns.append(QList<int>{field("offset_mm", "Offset (mm)")});
        t.textColumns.append(QList<int>{field("length_mm", "Length (mm)")});
        for (const auto &row : catalog::kOculars)
            t.rows.append(QList<Cell>{Cell::str(QLatin1String(row.name)), num(row.focalLength),
                           num(row.offset), num(row.length)});
    } else if (what[0] == QLatin1String("cameras")) {
        t.textColumns.append(QList<int>{field("name", "Camera")});
        t.textColumns.append(QList<int>{field("pixel_width_um", "Pixel (µm)"), field("pixel_height_um", "")});
        t.textColumns.append(QList<int>{field("chip_width_px", "Chip (px)"), field("chip_height_px", "")});
        t.textColumns.append(QList<int>{field("binning", "Binning modes")});
        for (const QString &name : planner::cameraEntries()) {
            Setup s;
            if (name == entries::UserDefined || name == entries::NoneOrFilm || !s.chooseCamera(name))
                continue;
            // The texts the preset puts in the boxes, read back as the calculator reads them.
            t.rows.append(QList<Cell>{Cell::str(name), boxCell(cx, s.pixelWidth), boxCell(cx, s.pixelHeight),
                           boxCell(cx, s.chipWidth), boxCell(cx, s.chipHeight),
                           Cell::boolean(planner::cameraHasBinning(name))});
        }
    } else {
        fail(QStringLiteral("list"), QStringLiteral("\"%1\" is none of telescopes, oculars, cameras")
                                         .arg(what[0]));
    }
    return {kExitOk, writeTable(t, cx.format), {}};
}

} // namespace

QString helpText()
{
    return QStringLiteral(
        "Usage: vkp2plan COMMAND [OPTIONS]\n"
        "The VKP-2 Calculator's planner: what the calculator window shows, for one setup or many.\n"
        "\n"
        "Commands:\n"
        "  list telescopes|oculars|cameras   the presets and their values\n"
        "  show                              one setup: every box, sampling advice, target fit\n"
        "  table                             one row per ocular and D (or --all: the whole kit)\n"
        "  solve GOAL                        the D each ocular needs to reach a goal\n"
        "\n"
        "Setup (without any, the calculator's last setup; options change parts of it):\n"
        "  --setup FILE            a user equipment file (vkp2user.dat) as the base\n"
        "  --telescope NAME        a preset, or User-Defined\n"
        "  --focal-length MM --aperture MM   a User-Defined telescope (not in solve)\n"
        "  --ocular NAME           an ocular, or No-VKP2 (table and solve: repeat for several)\n"
        "  --tl MM                 tube length TL, 0 to 30\n"
        "  --d MM                  adapter distance D, 0 to 1000\n"
        "  --camera NAME           a preset, None or Film, or User-Defined\n"
        "  --pixel W[xH] --chip WxH  a User-Defined camera: pixel size in µm, chip in pixels\n"
        "  --binning 1x1|2x2|3x3   for cameras with binning modes\n"
        "\n"
        "Sampling advice and target fit (show and table):\n"
        "  --seeing ARCSEC         seeing FWHM (default 2)\n"
        "  --target NAME           moon, sun, mercury, venus, mars, jupiter or saturn\n"
        "  --size ARCSEC           a target of this apparent diameter instead\n"
        "  --wavelength NM         for the critical focal ratio (default 550); the Rayleigh\n"
        "                          limit is always for 550 nm\n"
        "  --colour                a colour-matrix (Bayer) sensor\n"
        "\n"
        "table:  --d-from MM --d-to MM --d-step MM (default 0, 1000, 50), or --d MM for one D;\n"
        "        --all for every telescope, ocular, camera and binning mode at --d and --tl.\n"
        "solve:  --focal-ratio N | --pixel-scale ARCSEC | --focal-length MM\n"
        "\n"
        "Output:  --format text|csv|json (text follows your locale; CSV and JSON use a dot)\n"
        "Exit status: 0 done; 1 done, but the calculator showed a message (on standard error);\n"
        "             2 bad input (nothing written); 3 the output could not be written.\n"
        "  --help, --version\n");
}

Result run(const QStringList &args)
{
    Result out;
    try {
        const Arguments a = parseArguments(args);
        if (a.help) {
            out.out = helpText().toUtf8();
            return out;
        }
        if (a.version) {
            out.out = QStringLiteral("vkp2plan %1.%2.%3\n")
                          .arg(app_info::kMajor)
                          .arg(app_info::kMinor)
                          .arg(app_info::kRevision)
                          .toUtf8();
            return out;
        }
        if (a.command.isEmpty())
            throw UsageError{QStringLiteral("no command; try \"vkp2plan --help\"")};
        const Context cx = buildContext(a);
        if (a.command == QLatin1String("list"))
            return runList(cx);
        if (a.command == QLatin1String("show"))
            return runShow(cx);
        if (a.command == QLatin1String("table"))
            return runTable(cx);
        return runSolve(cx);
    } catch (const UsageError &e) {
        return {kExitUsage, {}, (QStringLiteral("vkp2plan: ") + e.message + QLatin1Char('\n')).toUtf8()};
    }
}

} // namespace vkp2::cli
