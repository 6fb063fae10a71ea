#pragma once
// The planner's window: the setup panel, the chart with its cursor, the framing picture and the
// solve table. It starts from the calculator's last setup and writes the calculator's file only
// when asked to open the setup in the calculator; its own state lives in the settings store as
// "VKP2 Planner", group "Planner"; the user's kit in kit.json.

#include "widgets/planner_window/exports.h"
#include "widgets/planner_window/paint_look.h"
#include "widgets/planner_window/planner_inputs.h"
#include "widgets/planner_window/planner_state.h"

#include <QMainWindow>

class QAction;
class QComboBox;
class QLabel;

namespace vkp2 {
class MessageBoxes;
}

namespace vkp2::planner_window {

class FocalChart;
class KitDialog;
class FramingView;
class SetupPanel;
class SolveTable;

inline const QString kPlannerTitle = QStringLiteral("VKP-2 Planner");

class PlannerWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit PlannerWindow(MessageBoxes &messages, QWidget *parent = nullptr);
    ~PlannerWindow() override;

    SetupPanel *setupPanel() const { return panel_; }
    FocalChart *chart() const { return chart_; }
    QComboBox *viewBox() const { return view_; }
    QLabel *cursorLabel() const { return cursorLabel_; }
    FramingView *framing() const { return framing_; }
    QLabel *framingText() const { return framingText_; }
    SolveTable *solveTable() const { return solve_; }

    // Each writes the file whole or reports why not in a message box. The pictures are written
    // in the format the file's suffix names (SVG, PNG or another image format Qt writes) with a
    // caption of the setup; a suffix naming no such format is refused.
    bool exportChart(const QString &path);
    bool exportFraming(const QString &path);
    bool exportSolveTable(const QString &path);
    // The mosaic's panes: pane, column, row and the centre in arcsec from the disc's centre.
    bool exportMosaicPanes(const QString &path);
    QAction *exportPanesAction() const { return exportPanes_; }

    // View > Night mode: reds on black for the whole program, remembered for both windows.
    QAction *nightAction() const { return night_; }
    void setNight(bool on);

    void saveState() const;
    // File > Take the calculator's setup: its kit from the calculator's saved file.
    bool takeCalculatorSetup();
    // Kit > Kit…: the Kit dialog, open until it is closed; the setup panel's lists follow
    // what it saves.
    KitDialog *openKitDialog();
    // File > Open in the calculator; says how it went in the status bar.
    void openInCalculator();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void build();
    void buildMenus();
    void restoreState();
    void loadKit();
    void inputsChanged();
    void updateFraming();
    void fitToScreen();
    QStringList setupCaption() const;
    bool exportPicture(const QString &path, const QString &what, const PaintFunction &paint,
                       const QSizeF &size, const QStringList &caption);
    // Exports are in day colours whatever the window shows.
    PaintLook exportLook() const;
    bool reportWrite(const QString &path, const QString &what, const QByteArray &bytes);
    void askAndExport(const QString &what, const QString &filters, const QString &defaultName,
                      bool (PlannerWindow::*exporter)(const QString &));
    void about();

    MessageBoxes &messages_;
    SetupPanel *panel_ = nullptr;
    FocalChart *chart_ = nullptr;
    QComboBox *view_ = nullptr;
    QLabel *cursorLabel_ = nullptr;
    FramingView *framing_ = nullptr;
    QLabel *framingText_ = nullptr;
    SolveTable *solve_ = nullptr;
    QAction *exportPanes_ = nullptr;
    QAction *night_ = nullptr;
    QPalette dayPalette_;
};

} // namespace vkp2::planner_window
