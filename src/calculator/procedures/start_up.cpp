// The calculator's part of start-up and shut-down: what the window's load runs after restoring
// its placement, and what its close saves.

#include "calculator/procedures/calculator.h"

namespace vkp2 {

void Calculator::Start(const UserData &userData)
{
    c_[Box::efl].setText(QString());
    c_[Box::efr].setText(QString());
    state.OcularFocalLength = 5.0;
    state.UserData = userData;
    // Telescope before ocular before camera: each choice calculates with what the earlier
    // ones have set.
    FillTelescopeList();
    FillOcularList();
    FillCameraList();
    FillBinningList();
}

QStringList Calculator::SetupTexts() const
{
    return {c_[List::Telescope].text(),     c_[List::Ocular].text(),
            c_[List::Ccd].text(),           c_[Box::Flength].text(),
            c_[Box::Aperture].text(),       c_[Box::Distance_tl].text(),
            c_[Box::Distance_d].text(),     c_[Box::Pixelsize_width].text(),
            c_[Box::Pixelsize_height].text(), c_[Box::Chipsize_width].text(),
            c_[Box::Chipsize_height].text()};
}

BoxTexts boxTexts(const Controls &c)
{
    BoxTexts texts;
    for (const BoxInfo &info : kBoxes)
        texts[indexOf(info.id)] = c[info.id].text();
    return texts;
}

Calculator::Procedure Calculator::handlerOf(std::string_view control)
{
    static const std::pair<const char *, Procedure> handlers[] = {
        {"Flength", &Calculator::Flength_Change},
        {"Aperture", &Calculator::Aperture_Change},
        {"Distance_tl", &Calculator::Distance_tl_Change},
        {"Distance_d", &Calculator::Distance_d_Change},
        {"Pixelsize_width", &Calculator::Pixelsize_width_Change},
        {"Pixelsize_height", &Calculator::Pixelsize_height_Change},
        {"Chipsize_width", &Calculator::Chipsize_width_Change},
        {"Chipsize_height", &Calculator::Chipsize_height_Change},
        {"Telescope", &Calculator::Telescope_Click},
        {"Ocular", &Calculator::Ocular_Click},
        {"Ccd", &Calculator::Ccd_Click},
        {"Binning", &Calculator::Binning_Click},
    };
    for (const auto &[name, handler] : handlers) {
        if (control == name)
            return handler;
    }
    return nullptr;
}

} // namespace vkp2
