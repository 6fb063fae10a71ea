#pragma once
// The storage layer's words for people (file and import problems): Words::tr marks them for
// translation; the calculator, which loads no translation, shows them as written.

#include <QCoreApplication>

namespace vkp2::storage {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(Storage)
};

} // namespace vkp2::storage
