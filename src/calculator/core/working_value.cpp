#include "calculator/core/working_value.h"

#include "calculator/core/numbers.h"

namespace vkp2 {

WorkingValue WorkingValue::fromText(const QString &text)
{
    WorkingValue v;
    v.value_ = text;
    return v;
}

std::optional<double> WorkingValue::number() const
{
    if (const auto *d = std::get_if<double>(&value_))
        return *d;
    if (const auto *t = std::get_if<QString>(&value_))
        return numbers::parse(*t);
    return 0.0;
}

QString WorkingValue::display() const
{
    if (const auto *d = std::get_if<double>(&value_))
        return numbers::format(*d);
    if (const auto *t = std::get_if<QString>(&value_))
        return *t;
    return {};
}

} // namespace vkp2
