#pragma once
// The calculator's one window.
//
// How an event travels through the program:
//   1. A widget raises a signal: QLineEdit::textChanged when a field's text changes (typed or
//      written by the program), QComboBox::activated when the user chooses a list entry.
//   2. The toolkit adapter (widgets/toolkit/widget_controls.h) runs the handler bound to that
//      control, a procedure of Calculator named for it (Flength_Change, Telescope_Click, ...),
//      all of which live in calculator/procedures/ and know no widgets.
//   3. The handler stores what it owns in the calculator state and runs the calculations
//      (extended_focal.cpp, fov_and_scale.cpp), whose formulas are calculator/core/optics.h.
//   4. The calculations write result texts through the adapters. A write that changes a field's
//      text runs that field's own handler at once, nested, before the writer goes on; a program
//      selection of a list entry runs its choose handler the same way. The last write wins.
// Message boxes go through the MessageBoxes seam: modal here, recorded in tests. The headless
// calculator (calculator/procedures/headless_calculator.h) runs the same handlers over
// in-memory controls, for the planner.
// Start-up (Form_Load) restores the placement and the last setup and fills the lists, which
// calculates everything before the window is first shown; closing (Form_Unload) saves both.
// The setup file is chosen once at start-up (storage/setup_location.h) and saved back there.
// The window starts in the remembered night mode; its shortcut (no menu entry) toggles it.

#include "calculator/procedures/calculator.h"
#include "calculator/toolkit/message_boxes.h"
#include "storage/window_placement.h"
#include "widgets/toolkit/widget_controls.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QLineEdit;

namespace vkp2 {

class DimensionDrawing;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `decorate`, if given, wraps each control's handler as it is bound.
    explicit MainWindow(MessageBoxes &messages, HandlerDecorator decorate = {}, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The window's input and output controls, by their ids.
    struct Widgets {
        std::array<QLineEdit *, kBoxCount> boxes{};
        std::array<QComboBox *, kListCount> lists{};
        QLineEdit *operator[](Box box) const { return boxes[indexOf(box)]; }
        QComboBox *operator[](List list) const { return lists[static_cast<std::size_t>(list)]; }
    };
    const Widgets &widgets() const { return w_; }
    Calculator &calculator() { return *calculator_; }

    // The outer rectangle (frame and title bar included) in pixels, as it will be saved.
    QRect outerRect() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();
    void SaveUserData();
    void savePlacement(); // skipped while minimized
    void mnuHelpAbout_Click();
    void setNight(bool on);
    void toggleNight(); // and remembers it

    void buildControls();
    void applyPlacement(const storage::Placement &placement);
    void fitFrame();
    Handler handlerFor(std::string_view control);

    Widgets w_{};
    DimensionDrawing *drawing_ = nullptr;
    bool night_ = false;
    std::vector<std::unique_ptr<TextField>> fields_;
    std::vector<std::unique_ptr<ChoiceList>> lists_;
    std::unique_ptr<Calculator> calculator_;
    MessageBoxes &messages_;
    HandlerDecorator decorate_; // used while the controls are bound
    QString setupPath_; // the user equipment file, chosen at start-up
    std::optional<QRect> wantedOuter_; // applied once the window manager's frame is known
    bool shown_ = false;
};

} // namespace vkp2
