#pragma once
// The numbers other programs' files hold as text, read the same way by every importer, with
// the phrase saying what is wrong when one cannot be used ("pixel_width \"abc\" is no number"),
// and the size no file may pass.

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

// Why a file of `bytes` bytes is not read at all (past kit_limits::kMaxFileBytes), or empty.
QString fileSizeProblem(qint64 bytes);

} // namespace vkp2::storage
