// The calculator's part of start-up and shut-down: what the window's load runs after restoring
// its placement, and what its close saves.

#include "calculator/procedures/calculator.h"

namespace vkp2 {

void Calculator::Start(const UserData &userData)
{
    c_.efl.setText(QString());
    c_.efr.setText(QString());
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
    return {c_.Telescope.text(),       c_.Ocular.text(),           c_.Ccd.text(),
            c_.Flength.text(),         c_.Aperture.text(),         c_.Distance_tl.text(),
            c_.Distance_d.text(),      c_.Pixelsize_width.text(),  c_.Pixelsize_height.text(),
            c_.Chipsize_width.text(),  c_.Chipsize_height.text()};
}

QStringList boxTexts(const Controls &c)
{
    return {c.Flength.text(),          c.Aperture.text(),         c.Fratio.text(),
            c.Distance_tl.text(),      c.Distance_d.text(),       c.efl.text(),
            c.efr.text(),              c.Pixelsize_width.text(),  c.Pixelsize_height.text(),
            c.Chipsize_width.text(),   c.Chipsize_height.text(),  c.Fov_width.text(),
            c.Fov_height.text(),       c.Pixelscale_width.text(), c.Pixelscale_height.text()};
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
