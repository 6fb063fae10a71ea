#pragma once
// What every command runs with: the parsed arguments, the output format and locale, and the
// advice options; and how option values and shown numbers become cells of that output.

#include "cli/arguments.h"
#include "cli/output.h"
#include "planner/advice.h"

#include <QLocale>

#include <optional>

namespace vkp2::cli {

struct Context {
    const Arguments &args;
    Format format = Format::Text;
    QLocale textLocale;
    planner::AdviceOptions advice;
    // The focal-ratio verdict was asked for: a Moon or planet target, --wavelength or --colour.
    bool focalRatioAsked = false;

    Context(const Arguments &a, const QLocale &locale); // throws UsageError

    // The locale numbers are written in: the text locale, or C for CSV and JSON.
    QLocale outputLocale() const;
    // Verdict words: in the reader's language in text, the same in every language in CSV and JSON.
    planner::Wording wording() const
    {
        return format == Format::Text ? planner::Wording::Shown : planner::Wording::Data;
    }

    // An option's number: a dot always, in text mode also the locale's decimal separator.
    double number(const QString &option, const QString &text) const;
    double number(const QString &option) const { return number(option, args.value(option)); }
    // The same number, or nothing for a text that is none (a name, say).
    std::optional<double> numberIn(const QString &text) const;
    // As the text a box would hold, in the calculator's own locale.
    QString boxText(const QString &option, const QString &text) const;

    // A box text the calculator wrote, a result it did not (rounded to 2 decimals), a plain
    // number, each in the output's form.
    Cell box(const QString &calculatorText) const;
    Cell result(std::optional<double> value) const;
    Cell plain(double value) const;
    QString numberText(double value) const;

private:
    QString relocalised(const QString &calculatorText) const;
    bool sameForm_ = true; // the calculator's locale writes numbers as the output does
};

[[noreturn]] void fail(const QString &option, const QString &what);

} // namespace vkp2::cli
