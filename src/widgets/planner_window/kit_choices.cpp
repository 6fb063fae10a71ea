#include "widgets/planner_window/kit_choices.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace vkp2::planner_window {

void setChoice(QComboBox *c, const QString &text)
{
    for (int i = 0; i < c->count(); ++i) {
        if (!c->itemData(i, kKitRole).isValid() && c->itemText(i) == text) {
            c->setCurrentIndex(i);
            return;
        }
    }
}

void setKitChoice(QComboBox *c, int position)
{
    const int i = c->findData(position, kKitRole);
    if (i >= 0)
        c->setCurrentIndex(i);
}

int kitPositionOf(const QComboBox *c)
{
    const QVariant v = c->currentData(kKitRole);
    return v.isValid() ? v.toInt() : -1;
}

void fillList(QComboBox *c, const QStringList &kitNames, const QStringList &presets)
{
    const QSignalBlocker quiet(c);
    c->clear();
    for (int i = 0; i < kitNames.size(); ++i)
        c->addItem(kitNames.at(i), i);
    if (!kitNames.isEmpty())
        c->insertSeparator(c->count());
    c->addItems(presets);
}

int kitTelescopeOf(const storage::Kit &kit, const planner::Setup &s)
{
    if (s.telescope != entries::UserDefined || s.telescopeLabel.isEmpty())
        return -1;
    for (int i = 0; i < kit.telescopes.size(); ++i) {
        if (kit.telescopes.at(i).name == s.telescopeLabel)
            return i;
    }
    return -1;
}

std::pair<int, int> kitCameraOf(const storage::Kit &kit, const planner::Setup &s)
{
    if (s.camera != entries::UserDefined || s.cameraLabel.isEmpty())
        return {-1, 1};
    for (int i = 0; i < kit.cameras.size(); ++i) {
        for (const int n : kit.cameras.at(i).binning) {
            planner::Setup taken;
            taken.takeCamera(kit.cameras.at(i), n);
            if (taken.cameraLabel == s.cameraLabel)
                return {i, n};
        }
    }
    return {-1, 1};
}

} // namespace vkp2::planner_window
