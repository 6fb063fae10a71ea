#pragma once
// Message boxes: modal QMessageBox in the application, a recorder in tests.

#include "core/app_info.h"
#include "toolkit/controls.h"

#include <QList>
#include <QPointer>

class QWidget;

namespace vkp2 {

inline const QString kAppTitle = QString::fromLatin1(app_info::kTitle);

class ModalMessageBoxes final : public MessageBoxes {
public:
    void setParent(QWidget *parent) { parent_ = parent; }

protected:
    void present(const QString &text, const QString &title, MessageIcon icon) override;

private:
    QPointer<QWidget> parent_;
};

struct ShownMessage {
    QString text;
    QString title;
    MessageIcon icon;
    bool operator==(const ShownMessage &) const = default;
};

// Records every message instead of showing it; the "user" answers OK at once.
class RecordedMessageBoxes final : public MessageBoxes {
public:
    QList<ShownMessage> shown;
    void clear() { shown.clear(); }

protected:
    void present(const QString &text, const QString &title, MessageIcon icon) override
    {
        shown.append({text, title, icon});
    }
};

} // namespace vkp2
