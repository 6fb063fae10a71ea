#pragma once
// The planner's setup panel: the kit (telescope, ocular and distances, camera and binning) and
// the planner's own questions (seeing, target, sensor type, wavelength). Typed numbers are
// checked where they are typed: a red frame and a line of text, never a message box; the panel
// keeps offering the last setup that read.

#include "planner/setup_fields.h"
#include "widgets/planner_window/planner_inputs.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;

namespace vkp2::planner_window {

class SetupPanel : public QWidget {
    Q_OBJECT
public:
    explicit SetupPanel(QWidget *parent = nullptr);

    void setInputs(const PlannerInputs &inputs);
    // The last inputs whose typed numbers all read.
    const PlannerInputs &inputs() const { return inputs_; }
    // Picks an ocular and D (a point of the chart or a row of the solve table).
    void pick(const QString &ocular, const QString &d);

    struct Widgets {
        QComboBox *telescope, *ocular, *camera, *binning, *target;
        QLineEdit *focalLength, *aperture, *tl, *d;
        QLineEdit *pixelWidth, *pixelHeight, *chipWidth, *chipHeight, *targetSize;
        QDoubleSpinBox *seeing, *wavelength;
        QCheckBox *colourSensor;
        QLabel *problems;
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
    // A red frame and the reason on a box; an empty reason takes them away.
    static void mark(QLineEdit *edit, const QString &why);
    void showProblems(const QStringList &problems);
    void telescopeChosen();
    void cameraChosen();
    void updateEnabled();

    std::array<QWidget *, planner::kSetupFields.size()> kit_{}; // by SetupField
    Widgets w_{};
    PlannerInputs inputs_;
    bool updating_ = false;
};

} // namespace vkp2::planner_window
