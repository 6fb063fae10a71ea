#pragma once
// A working value of the calculator: nothing yet, a number, or a box's text taken over as is.
// A text keeps its spelling ("530.0" is shown again as "530.0") and computes as its number.

#include <QString>

#include <optional>
#include <variant>

namespace vkp2 {

class WorkingValue {
public:
    WorkingValue() = default;
    WorkingValue(double number) : value_(number) {} // NOLINT: numbers assign naturally
    static WorkingValue fromText(const QString &text);

    bool isNothing() const { return std::holds_alternative<std::monostate>(value_); }
    bool isText() const { return std::holds_alternative<QString>(value_); }

    // Nothing counts as 0; a text counts as the number it spells, or as no number at all.
    std::optional<double> number() const;
    // What a box shows when the value is written into it.
    QString display() const;

private:
    std::variant<std::monostate, double, QString> value_;
};

} // namespace vkp2
