#pragma once
// The setup panel's Element group: what sits beside the VKP-2 (nothing, a Barlow or reducer,
// an eyepiece in projection, an afocal camera), from the kit or typed. Typed numbers are read
// in the user's locale; what does not read, and what the engine finds wrong with the train,
// is marked on the box it names with a line of text, and the group keeps its last sound train.

#include "planner/optical_train.h"
#include "storage/kit.h"

#include <QGroupBox>

#include <optional>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;

namespace vkp2::planner_window {

class ElementPanel : public QGroupBox {
    Q_OBJECT
public:
    enum class Kind { Vkp2Only, Barlow, Reducer, Projection, Afocal };

    explicit ElementPanel(QWidget *parent = nullptr);

    void setKit(const storage::Kit &kit);
    // Shows a train; a kit entry it names is chosen in the kit list.
    void setTrain(const planner::Train &train);
    // The train as the boxes hold it; none while a box does not read or the engine finds a
    // problem with it (then hasProblem()).
    std::optional<planner::Train> train() const { return train_; }
    bool hasProblem() const { return !train_; }
    // The ocular the VKP-2 holds, for the line saying where a lens sits.
    void setOcular(const QString &ocular);
    Kind kind() const;

    struct Widgets {
        QComboBox *kind, *entry;
        QLineEdit *factor, *designSpacing, *spacing, *eyepiece, *distance, *cameraLens;
        QLabel *where, *problem;
    };
    const Widgets &widgets() const { return w_; }
    // The box a train field is typed in.
    QLineEdit *boxOf(planner::TrainField field) const;

signals:
    void changed();

private:
    void kindChosen();
    void entryChosen();
    void fillEntries();
    void showEntryValues();
    void read();
    void updateRows();
    const storage::KitLens *kitLens() const;
    const storage::KitEyepiece *kitEyepiece() const;

    Widgets w_{};
    QFormLayout *form_ = nullptr;
    storage::Kit kit_;
    QString ocular_;
    std::optional<planner::Train> train_ = planner::Train();
    Kind shownKind_ = Kind::Vkp2Only;
    bool updating_ = false;
};

} // namespace vkp2::planner_window
