#pragma once
// The main window's calculator: its working values and every procedure and handler that reads
// or writes them. It sees the window only through the toolkit contract (toolkit/controls.h).
// The procedures keep the names the window's design gives them; their bodies are spread over
// files named for what they do:
//   core/extended_focal.cpp          CalcExtendedFocal
//   core/fov_and_scale.cpp           CalcChipSize, CalcFovAndScale
//   catalog/telescope_catalog.cpp    FillTelescopeList, Telescope_Click, ShowTelescopeValues, ...
//   catalog/ocular_catalog.cpp       FillOcularList, Ocular_Click
//   catalog/camera_catalog.cpp       FillCameraList, Ccd_Click, DisableCameraBoxes
//   catalog/binning.cpp              FillBinningList, Binning_Click
//   ui/main_window/telescope_inputs.cpp  Flength_Change, Aperture_Change, Distance_*_Change
//   ui/main_window/camera_inputs.cpp     Pixelsize_*_Change, Chipsize_*_Change

#include "core/calculator_state.h"
#include "toolkit/controls.h"

namespace vkp2 {

namespace entries {
inline const QString UserDefined = QStringLiteral("User-Defined");
inline const QString NoneOrFilm = QStringLiteral("None or Film");
inline const QString NoVkp2 = QStringLiteral("No-VKP2");
} // namespace entries

inline const QString kNotANumberMessage = QStringLiteral("Value out of range - Only enter numbers.");

class Calculator {
public:
    Calculator(const Controls &controls, MessageBoxes &messages);

    CalculatorState state;

    // Calculations
    void CalcExtendedFocal();
    void CalcChipSize();
    void CalcFovAndScale();

    // Telescope list
    void FillTelescopeList();
    void Telescope_Click();
    void ShowTelescopeValues();
    void DisableTelescopeBoxes();

    // Ocular list
    void FillOcularList();
    void Ocular_Click();

    // Camera list and binning
    void FillCameraList();
    void Ccd_Click();
    void DisableCameraBoxes();
    void FillBinningList();
    void Binning_Click();

    // Typed inputs
    void Flength_Change();
    void Aperture_Change();
    void Distance_d_Change();
    void Distance_tl_Change();
    void Pixelsize_width_Change();
    void Pixelsize_height_Change();
    void Chipsize_width_Change();
    void Chipsize_height_Change();

private:
    bool telescopeHasCatalogueValues() const;
    void showError(const QString &text);
    void showInputError(const QString &text);
    void updateChipMillimetres();
    void applyBinningRow(const QString &camera, const QString &mode);
    void telescopeBoxChanged(TextField &box);
    void distanceBoxChanged(TextField &box, WorkingValue &distance);
    void cameraBoxChanged(TextField &box, WorkingValue &value, const QString &message);

    Controls c_;
    MessageBoxes &messages_;
};

} // namespace vkp2
