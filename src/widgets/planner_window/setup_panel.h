#pragma once
// The planner's setup panel: the kit (telescope, ocular and distances, camera and binning) and
// the planner's own questions (seeing, target, sensor type, and the night's in NightPanel). Typed numbers are
// checked where they are typed: a red frame and a line of text, never a message box; the panel
// keeps offering the last setup that read. The telescope and camera lists offer the user's kit
// first, then the calculator's presets.

#include "planner/setup_fields.h"
#include "storage/kit.h"
#include "widgets/planner_window/planner_inputs.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;

namespace vkp2::planner_window {

class ElementPanel;
class NightPanel;

class SetupPanel : public QWidget {
    Q_OBJECT
public:
    explicit SetupPanel(QWidget *parent = nullptr);

    void setInputs(const PlannerInputs &inputs);
    // The last inputs whose typed numbers all read.
    const PlannerInputs &inputs() const { return inputs_; }
    // The kit's telescopes and cameras, by their kit names, ahead of the presets; a chosen kit
    // entry takes the kit's new values. A kit file that cannot be read is `problem`, said in a
    // line of text; the presets are offered all the same.
    void setKit(const storage::Kit &kit, const QString &problem = QString());
    const storage::Kit &kit() const { return ownKit_; }
    // Picks an ocular and D (a point of the chart or a row of the solve table); the VKP-2 alone.
    void pick(const QString &ocular, const QString &d);
    // Picks a train: its element, distance and ocular (a train's point or row).
    void pickSetup(const planner::Setup &setup);
    // Whether the Element group holds a train that does not read or that the engine refuses;
    // inputs() keep the last sound one.
    bool trainHasProblem() const;

    struct Widgets {
        QComboBox *telescope, *ocular, *camera, *binning, *target;
        QLineEdit *focalLength, *aperture, *tl, *d;
        QLineEdit *pixelWidth, *pixelHeight, *chipWidth, *chipHeight, *targetSize;
        QDoubleSpinBox *seeing;
        QCheckBox *colourSensor;
        QLabel *problems, *kitProblem;
        ElementPanel *element;
        NightPanel *night;
    };
    const Widgets &widgets() const { return w_; }
    // Whether a typed box is marked: it holds no number, or the calculator replaced its value.
    static bool isMarkedInvalid(const QLineEdit *edit);

signals:
    void inputsChanged();

private:
    void build();
    void showInputs();
    // From the controls into inputs_, when every typed number reads; false (and inputs_ kept)
    // when one does not.
    bool readBack();
    // The typed box of a setup field; none for a list.
    QLineEdit *kitEdit(planner::SetupField field) const;
    // The kit's typed boxes in the registry's order, then the target size.
    QList<QLineEdit *> typedBoxes() const;
    void showProblems(const QStringList &problems);
    void telescopeChosen();
    void cameraChosen();
    void binningChosen();
    // The typed boxes show the setup's telescope or camera values.
    void showTelescopeValues(const planner::Setup &s);
    void showCameraValues(const planner::Setup &s);
    // A setup's kit entries (by their names) with the kit's values as they are now.
    void takeKitValues();
    // The binning list holds the calculator's modes, or those of the chosen kit camera.
    void showBinningModes(const storage::KitCamera *kitCamera);
    // The kit positions of the chosen telescope and camera (and its binning); -1 for a preset.
    int kitTelescope() const;
    int kitCamera() const;
    int kitBinning() const;
    void updateEnabled();

    std::array<QWidget *, planner::kSetupFields.size()> kit_{}; // by SetupField
    Widgets w_{};
    PlannerInputs inputs_;
    storage::Kit ownKit_;
    bool updating_ = false;
};

} // namespace vkp2::planner_window
