#include "storage/window_placement.h"

#include <QSettings>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vkp2::storage {

namespace {

const QString kSection = QStringLiteral("Settings");

float readKey(QSettings &settings, const QString &key, float fallback)
{
    const QVariant value = settings.value(kSection + QLatin1Char('/') + key);
    if (!value.isValid())
        return fallback;
    bool ok = false;
    const float number = value.toString().trimmed().toFloat(&ok);
    return ok && std::isfinite(number) ? number : fallback;
}

} // namespace

std::unique_ptr<QSettings> openSettings()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("VKP2"), QStringLiteral("VKP2"));
}

Placement readPlacement(QSettings &settings)
{
    const Placement defaults;
    Placement p;
    p.left = readKey(settings, QStringLiteral("MainLeft"), defaults.left);
    p.top = readKey(settings, QStringLiteral("MainTop"), defaults.top);
    p.width = readKey(settings, QStringLiteral("MainWidth"), defaults.width);
    p.height = readKey(settings, QStringLiteral("MainHeight"), defaults.height);
    return p;
}

void writePlacement(QSettings &settings, const Placement &placement)
{
    settings.setValue(kSection + QStringLiteral("/MainLeft"), singleText(placement.left));
    settings.setValue(kSection + QStringLiteral("/MainTop"), singleText(placement.top));
    settings.setValue(kSection + QStringLiteral("/MainWidth"), singleText(placement.width));
    settings.setValue(kSection + QStringLiteral("/MainHeight"), singleText(placement.height));
}

QString singleText(float value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (result.ec != std::errc())
        return QStringLiteral("0");
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QRect toPixels(const Placement &p)
{
    const auto px = [](float twips) {
        // Clamped so that no stored value, however large, overflows the pixel geometry.
        return static_cast<int>(std::lround(std::clamp(twips / kTwipsPerPixel, -1.0e6F, 1.0e6F)));
    };
    return QRect(px(p.left), px(p.top), px(p.width), px(p.height));
}

Placement fromPixels(const QRect &outer)
{
    return Placement{float(outer.x() * kTwipsPerPixel), float(outer.y() * kTwipsPerPixel),
                     float(outer.width() * kTwipsPerPixel), float(outer.height() * kTwipsPerPixel)};
}

} // namespace vkp2::storage
