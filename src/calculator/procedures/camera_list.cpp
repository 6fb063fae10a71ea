// The camera list. Ccd_Click is also the last step of every other change in the window: it
// applies the current camera again and ends by recomputing the field of view and pixel scale.

#include "calculator/catalog/camera_table.h"
#include "calculator/procedures/list_fill.h"
#include "calculator/catalog/lookup.h"
#include "calculator/procedures/calculator.h"

namespace vkp2 {

void Calculator::FillCameraList()
{
    catalog::appendEntries(c_[List::Ccd], {entries::NoneOrFilm, entries::UserDefined}, catalog::kCameras);
    if (!catalog::chooseSavedOrDefault(c_[List::Ccd], state.UserData[3], entries::NoneOrFilm))
        return;
    // Each write runs the box's change handler: that is how a saved "User-Defined" camera's
    // values come back into the calculator.
    c_[Box::Pixelsize_width].setText(state.UserData[8]);
    c_[Box::Pixelsize_height].setText(state.UserData[9]);
    c_[Box::Chipsize_width].setText(state.UserData[10]);
    c_[Box::Chipsize_height].setText(state.UserData[11]);
}

void Calculator::Ccd_Click()
{
    // The binning list is offered for binning cameras only. Its state is set once, below:
    // switching it off and on again on every recalculation costs more than the calculation.
    bool binningOffered = false;
    const QString chosen = c_[List::Ccd].text();
    if (chosen == entries::NoneOrFilm) {
        state.PixelWidth = 0.0;
        state.PixelHeight = 0.0;
        state.ChipWidthPx = 0.0;
        state.ChipHeightPx = 0.0;
        state.ChipWidthMm = 0.0;
        state.ChipHeightMm = 0.0;
        for (TextField *box : {&c_[Box::Pixelsize_width], &c_[Box::Pixelsize_height], &c_[Box::Chipsize_width],
                               &c_[Box::Chipsize_height], &c_[Box::Fov_width], &c_[Box::Fov_height],
                               &c_[Box::Pixelscale_width], &c_[Box::Pixelscale_height]})
            box->setText(QString());
        DisableCameraBoxes();
    } else if (chosen == entries::UserDefined) {
        // The user starts from the values of the previous choice.
        c_[Box::Pixelsize_width].setEnabled(true);
        c_[Box::Pixelsize_height].setEnabled(true);
        c_[Box::Chipsize_width].setEnabled(true);
        c_[Box::Chipsize_height].setEnabled(true);
    } else if (const auto *row = catalog::findByName(catalog::kCameras, chosen)) {
        state.PixelWidth = row->pixelWidth;
        state.PixelHeight = row->pixelHeight;
        state.ChipWidthPx = row->chipWidth;
        state.ChipHeightPx = row->chipHeight;
        if (row->binning) {
            // Binning_Click below stores and shows the binning table's values for the mode.
            binningOffered = true;
        } else {
            CalcChipSize();
        }
        DisableCameraBoxes();
    }
    c_[List::Binning].setEnabled(binningOffered);
    Binning_Click();
    CalcFovAndScale();
}

void Calculator::DisableCameraBoxes()
{
    c_[Box::Pixelsize_width].setEnabled(false);
    c_[Box::Pixelsize_height].setEnabled(false);
    c_[Box::Chipsize_width].setEnabled(false);
    c_[Box::Chipsize_height].setEnabled(false);
}

} // namespace vkp2
