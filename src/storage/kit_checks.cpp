#include "storage/kit_checks.h"

#include "storage/words.h"
#include <QSet>

#include <algorithm>
#include <cmath>

namespace vkp2::storage {

using namespace kit_limits;

namespace {

QString number(double value) { return QString::number(value); }

// "pixel width 0.01 µm is outside 0.5 to 50 µm"; `unit` comes with its space, where it takes one.
QString outside(const QString &field, double value, double min, double max, const QString &unit)
{
    if (!std::isfinite(value))
        return Words::tr("%1 is not a finite number").arg(field);
    if (value >= min && value <= max)
        return {};
    return Words::tr("%1 %2%4 is outside %3 to %5%4")
        .arg(field, number(value), number(min), unit, number(max));
}

QString outsideIfPresent(const QString &field, const std::optional<double> &value, double min,
                         double max, const QString &unit)
{
    return value ? outside(field, *value, min, max, unit) : QString();
}

QString hex(char32_t c) { return QString::number(uint(c), 16).toUpper().rightJustified(4, QLatin1Char('0')); }

QString nameProblem(const QString &name)
{
    if (name.trimmed().isEmpty())
        return Words::tr("the name is empty");
    if (name.size() > kNameMaxLength)
        return Words::tr("the name is longer than %1 characters").arg(kNameMaxLength);
    for (qsizetype i = 0; i < name.size(); ++i) {
        char32_t c = name[i].unicode();
        if (name[i].isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(name[i], name[i + 1]);
            ++i;
        } else if (name[i].isSurrogate())
            return Words::tr("the name holds a broken character (U+%1)").arg(hex(c));
        // Line breaks and other controls would split the lines and cells names are shown in.
        const QChar::Category category = QChar::category(c);
        if (category == QChar::Other_Control || category == QChar::Separator_Line
            || category == QChar::Separator_Paragraph)
            return Words::tr("the name holds a control character (U+%1)").arg(hex(c));
    }
    // Duplicates, look-ups and removal compare names by nameKey; one with none can't be told apart.
    if (nameKey(name).isEmpty())
        return Words::tr("the name holds no letter or digit");
    return {};
}

// The first non-empty phrase.
QString firstOf(std::initializer_list<QString> problems)
{
    for (const QString &p : problems)
        if (!p.isEmpty())
            return p;
    return {};
}

} // namespace

QString binningModeProblem(int binning)
{
    if (binning >= 1 && binning <= kBinningMax)
        return {};
    return Words::tr("binning %1 is outside 1 to %2").arg(binning).arg(kBinningMax);
}

namespace {

QString binningProblem(const QList<int> &binning)
{
    if (binning.isEmpty())
        return Words::tr("the binning list is empty");
    if (binning.first() != 1)
        return Words::tr("the binning list starts with %1, not 1").arg(binning.first());
    for (qsizetype i = 1; i < binning.size(); ++i) {
        if (const QString outside = binningModeProblem(binning[i]); !outside.isEmpty())
            return outside;
        if (binning[i] <= binning[i - 1])
            return Words::tr("binning %1 after %2 is not ascending")
                .arg(binning[i])
                .arg(binning[i - 1]);
    }
    return {};
}

// A mode wider than the chip would leave a frame of no pixels.
QString binningFitsProblem(const KitCamera &c)
{
    const int side = std::min(c.width, c.height);
    for (const int mode : c.binning)
        if (mode > side)
            return Words::tr("binning %1 is larger than the chip's %2 px side").arg(mode).arg(side);
    return {};
}

QString pixelCount(const QString &field, int value)
{
    if (value >= kPixelCountMin && value <= kPixelCountMax)
        return {};
    return Words::tr("%1 %2 px is outside %3 to %4 px")
        .arg(field)
        .arg(value)
        .arg(kPixelCountMin)
        .arg(kPixelCountMax);
}

// A Barlow is a negative lens, a reducer a positive one; a focal length of the other sign is a
// typing slip that would turn the one into the other.
QString lensFocalProblem(const KitLens &l)
{
    if (!l.focalLength)
        return {};
    const double f = *l.focalLength;
    const QString field = Words::tr("focal length");
    if (!std::isfinite(f))
        return outside(field, f, kLensFocalMin, kLensFocalMax, QStringLiteral(" mm"));
    if (!(std::abs(f) >= kLensFocalMin && std::abs(f) <= kLensFocalMax))
        return Words::tr("focal length %1 mm is outside %2 to %3 mm in size")
            .arg(number(f), number(kLensFocalMin), number(kLensFocalMax));
    if (l.factor > 1 && f > 0)
        return Words::tr("focal length %1 mm is positive, but a Barlow's is negative").arg(number(f));
    if (l.factor < 1 && f < 0)
        return Words::tr("focal length %1 mm is negative, but a reducer's is positive").arg(number(f));
    return {};
}

} // namespace

QString problemOf(const KitTelescope &t)
{
    const QString mm = QStringLiteral(" mm");
    return firstOf({nameProblem(t.name),
                    outside(Words::tr("focal length"), t.focalLength, kFocalLengthMin, kFocalLengthMax, mm),
                    outside(Words::tr("aperture"), t.aperture, kApertureMin, kApertureMax, mm)});
}

QString problemOf(const KitCamera &c)
{
    const QString um = QStringLiteral(" µm");
    return firstOf({nameProblem(c.name),
                    outside(Words::tr("pixel width"), c.pixelWidth, kPixelMin, kPixelMax, um),
                    outside(Words::tr("pixel height"), c.pixelHeight, kPixelMin, kPixelMax, um),
                    pixelCount(Words::tr("width"), c.width),
                    pixelCount(Words::tr("height"), c.height), binningProblem(c.binning),
                    binningFitsProblem(c)});
}

QString problemOf(const KitLens &l)
{
    return firstOf({nameProblem(l.name),
                    outside(Words::tr("factor"), l.factor, kFactorMin, kFactorMax, QString()),
                    lensFocalProblem(l),
                    outsideIfPresent(Words::tr("design spacing"), l.designSpacing, kSpacingMin,
                                     kSpacingMax, QStringLiteral(" mm"))});
}

QString problemOf(const KitEyepiece &e)
{
    return firstOf({nameProblem(e.name),
                    outside(Words::tr("focal length"), e.focalLength, kEyepieceFocalMin,
                            kEyepieceFocalMax, QStringLiteral(" mm")),
                    outsideIfPresent(Words::tr("apparent field"), e.apparentField,
                                     kApparentFieldMin, kApparentFieldMax, QStringLiteral("°")),
                    outsideIfPresent(Words::tr("field stop"), e.fieldStop, kFieldStopMin,
                                     kFieldStopMax, QStringLiteral(" mm"))});
}

QString nameKey(const QString &name)
{
    // Decomposed first, so an accent is a mark of its own and drops out, and a ligature or a
    // full-width digit becomes the plain letters.
    // A decimal point between digits stays (as a dot, whichever the locale writes): without it
    // "2.5mm" and "25mm" would be one eyepiece.
    const QList<uint> all = name.normalized(QString::NormalizationForm_KD).toUcs4();
    QList<char32_t> kept;
    for (qsizetype i = 0; i < all.size(); ++i) {
        const char32_t c = all[i];
        if (QChar::isLetterOrNumber(c))
            kept << c;
        else if ((c == U'.' || c == U',') && i > 0 && i + 1 < all.size() && QChar::isDigit(all[i - 1])
                 && QChar::isDigit(all[i + 1]))
            kept << U'.';
    }
    // Qt folds one character to one, so the one fold to two that names hold is done here.
    return QString::fromUcs4(kept.constData(), kept.size())
        .toCaseFolded()
        .replace(QChar(0x00df), QStringLiteral("ss"));
}

namespace {

template <typename Entry>
void mergeKind(QList<Entry> &into, const QList<Entry> &incoming, KitKind kind, QStringList &notes)
{
    QSet<QString> held;
    for (const Entry &e : into)
        held.insert(nameKey(e.name));
    QSet<QString> added;
    for (const Entry &e : incoming) {
        const QString key = nameKey(e.name);
        if (held.contains(key)) {
            notes << Words::tr("%1 \"%2\" is already in the kit; left out").arg(kindText(kind), e.name);
        } else if (added.contains(key)) {
            notes << Words::tr("%1 \"%2\" comes twice; the second left out").arg(kindText(kind), e.name);
        } else {
            added.insert(key);
            into << e;
        }
    }
}

} // namespace

KitMerge mergeKits(const Kit &into, const Kit &incoming)
{
    KitMerge merge{into, {}};
    mergeKind(merge.kit.telescopes, incoming.telescopes, KitKind::Telescope, merge.notes);
    mergeKind(merge.kit.cameras, incoming.cameras, KitKind::Camera, merge.notes);
    mergeKind(merge.kit.lenses, incoming.lenses, KitKind::Lens, merge.notes);
    mergeKind(merge.kit.eyepieces, incoming.eyepieces, KitKind::Eyepiece, merge.notes);
    return merge;
}

QString tooManyEntriesProblem()
{
    return Words::tr("more than %1 entries of one kind; no kit is that large").arg(kMaxEntriesPerKind);
}

QString kindWord(KitKind kind)
{
    switch (kind) {
    case KitKind::Telescope:
        return QStringLiteral("telescope");
    case KitKind::Camera:
        return QStringLiteral("camera");
    case KitKind::Lens:
        return QStringLiteral("barlow");
    case KitKind::Eyepiece:
        return QStringLiteral("eyepiece");
    }
    return {};
}

QString kindText(KitKind kind)
{
    switch (kind) {
    case KitKind::Telescope:
        return Words::tr("telescope");
    case KitKind::Camera:
        return Words::tr("camera");
    case KitKind::Lens:
        return Words::tr("Barlow or reducer");
    case KitKind::Eyepiece:
        return Words::tr("eyepiece");
    }
    return {};
}

} // namespace vkp2::storage
