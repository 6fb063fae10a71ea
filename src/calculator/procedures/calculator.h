#pragma once
// The calculator: its working values and every procedure and handler that reads or writes
// them. It reaches the controls only through the toolkit contract (calculator/toolkit/), so the
// calculator window and the headless calculator run exactly the same rules. The procedures keep
// the names of the window's design; their bodies live beside this file, one file a concern:
//   start_up.cpp         Start, SetupTexts (the steps of the window's load and save)
//   extended_focal.cpp   CalcExtendedFocal
//   fov_and_scale.cpp    CalcChipSize, CalcFovAndScale
//   telescope_list.cpp   FillTelescopeList, Telescope_Click, ShowTelescopeValues, ...
//   ocular_list.cpp      FillOcularList, Ocular_Click
//   camera_list.cpp      FillCameraList, Ccd_Click, DisableCameraBoxes
//   binning_list.cpp     FillBinningList, Binning_Click
//   telescope_inputs.cpp Flength_Change, Aperture_Change, Distance_*_Change
//   camera_inputs.cpp    Pixelsize_*_Change, Chipsize_*_Change
// The formulas themselves are in calculator/core/optics.h, the tables in calculator/catalog/.

#include "calculator/procedures/calculator_state.h"
#include "calculator/toolkit/controls.h"

#include <QStringList>

#include <array>
#include <string_view>

namespace vkp2 {

namespace entries {
inline const QString UserDefined = QStringLiteral("User-Defined");
inline const QString NoneOrFilm = QStringLiteral("None or Film");
inline const QString NoVkp2 = QStringLiteral("No-VKP2");
} // namespace entries

// The fifteen boxes' texts, indexed by Box.
using BoxTexts = std::array<QString, kBoxCount>;
BoxTexts boxTexts(const Controls &controls);

// Lines 1..12 of the user equipment file; index 0 is unused.
using UserData = std::array<QString, 13>;

class Calculator {
public:
    Calculator(const Controls &controls, MessageBoxes &messages);

    CalculatorState state;
    const Controls &controls() const { return c_; }

    // The handler of a control, by the control's name; none for output boxes.
    using Procedure = void (Calculator::*)();
    static Procedure handlerOf(std::string_view control);

    // Start-up's calculator steps: clear the results, set the initial ocular focal length, take
    // the saved setup and fill the four lists, each choice running its handler.
    void Start(const UserData &userData);
    // The eleven texts the user equipment file keeps, in its line order.
    QStringList SetupTexts() const;

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
    void report(const CalculatorMessage &message) { messages_.report(message); }
    void updateChipMillimetres();
    void applyBinningRow(const QString &camera, const QString &mode);
    void telescopeBoxChanged(Box box);
    void distanceBoxChanged(Box box, WorkingValue &distance);
    void cameraBoxChanged(Box box, WorkingValue &value, MessageId notANumber);

    Controls c_;
    MessageBoxes &messages_;
};

} // namespace vkp2
