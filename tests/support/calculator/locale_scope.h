#pragma once
// Switches the default locale for one test and restores it afterwards.

#include <QLocale>

namespace vkp2::test {

struct LocaleScope {
    QLocale saved;
    explicit LocaleScope(const QLocale &locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(saved); }
};

} // namespace vkp2::test
