#include "storage/night_mode.h"

#include <QSettings>

namespace vkp2::storage {

namespace {

QSettings nightSettings() { return QSettings(QStringLiteral("VKP2"), QStringLiteral("VKP2 Night mode")); }

const QString kKey = QStringLiteral("NightMode");

} // namespace

bool readNightMode() { return nightSettings().value(kKey, false).toBool(); }

void writeNightMode(bool on)
{
    QSettings s = nightSettings();
    s.setValue(kKey, on);
    s.sync();
}

} // namespace vkp2::storage
