#pragma once
// The planned night's questions beside the kit: the date, the filter and its wavelength, the
// sampling rule, a colour sensor's factor, the blur a derotation limit allows and a full-disc
// mosaic. Typed values are checked where they are typed: a red frame and a line of text; the
// inputs keep the last values that read.

#include "widgets/planner_window/planner_inputs.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vkp2::planner_window {

class NightPanel : public QWidget {
    Q_OBJECT
public:
    explicit NightPanel(QWidget *parent = nullptr);

    void show(const PlannerInputs &in);
    // Marks the typed values that do not read or lie outside the engine's limits, says why in
    // the panel's line and returns whether all of them read.
    bool check();
    // The panel's values into `in`; only after check() passed.
    void readInto(PlannerInputs &in) const;
    // What takes part: a mosaic for the Moon and the Sun, a colour factor for a colour sensor.
    void setEnabledFor(const planner::Target &target, bool colourSensor);

    struct Widgets {
        QLineEdit *date, *wavelength, *blurArcsec, *overlap, *rotation;
        QPushButton *now;
        QComboBox *filter, *rule, *colourFactor, *blur;
        QCheckBox *mosaic;
        QLabel *problems;
    };
    const Widgets &widgets() const { return w_; }

signals:
    void changed();

private:
    void build();
    void updateEnabled();
    void nowPressed();

    Widgets w_{};
    QDateTime now_;
    bool dateIsNow_ = true; // the date field shows now_, not a typed date
    bool mosaicAllowed_ = false, colourAllowed_ = false;
};

} // namespace vkp2::planner_window
