#pragma once
// The numbers other programs' files hold as text, read the same way by every importer, with
// the phrases saying what is wrong when one cannot be used ("pixel_width \"abc\" is no number").

#include "storage/kit.h"

#include <QList>
#include <QString>

#include <optional>

namespace vkp2::storage {

struct FieldNumber {
    double value = 0;
    QString problem; // empty when `value` may be used
    bool ok() const { return problem.isEmpty(); }
};

// `text` absent means the file has no such field. Decimal point only; no inf or nan.
FieldNumber readNumber(const QString &field, const std::optional<QString> &text);
// The same, and the number must be whole and fit an int (pixel counts, binning).
FieldNumber readWholeNumber(const QString &field, const std::optional<QString> &text);

// "no focalLength"
QString missingField(const QString &field);
// "pixel_width \"abc\" is no number", "resolutionX \"2.5\" is no whole number": `text` as the
// file gives it, cut short.
QString noNumber(const QString &field, const QString &text);
QString noWholeNumber(const QString &field, const QString &text);
// Whole and within an int: a count the importers take.
bool isWholeCount(double value);

// A number as these files are written: a decimal point, every digit it needs and no more.
QString numberText(double value);

// The first problem met while reading one entry; later ones are not kept.
class FirstProblem {
public:
    void note(const QString &problem)
    {
        if (problem_.isEmpty())
            problem_ = problem;
    }
    // The number's value, its problem noted.
    double use(const FieldNumber &number)
    {
        note(number.problem);
        return number.value;
    }
    const QString &problem() const { return problem_; }

private:
    QString problem_;
};

// Files give a camera's highest binning and mean every mode from 1 up to it.
struct BinningModes {
    QList<int> modes;
    QString problem; // when `highest` is no mode a camera may offer
};
BinningModes binningUpTo(int highest);
int highestBinning(const KitCamera &camera);

} // namespace vkp2::storage
