#include "widgets/planner_window/field_mark.h"

#include "widgets/planner_window/announce.h"

#include <QLabel>
#include <QVariant>

namespace vkp2::planner_window {

namespace {

const char *const kInvalid = "vkp2Invalid";

} // namespace

void markField(QWidget *field, const QString &why)
{
    const bool bad = !why.isEmpty();
    if (bad != isMarkedInvalid(field)) {
        field->setStyleSheet(bad ? QStringLiteral("%1 { border: 2px solid #d62728; }")
                                       .arg(QLatin1String(field->metaObject()->className()))
                                 : QString());
    }
    field->setProperty(kInvalid, bad);
    field->setToolTip(why);
    announce(field, why);
}

bool isMarkedInvalid(const QWidget *field) { return field->property(kInvalid).toBool(); }

QLabel *problemLabel(const QString &objectName, const QString &accessibleName)
{
    auto *l = new QLabel;
    l->setObjectName(objectName);
    l->setWordWrap(true);
    l->setAccessibleName(accessibleName);
    l->setStyleSheet(QStringLiteral("QLabel { color: #d62728; }"));
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->hide();
    return l;
}

void showProblemText(QLabel *label, const QString &text)
{
    label->setText(text);
    label->setVisible(!text.isEmpty());
    announce(label, text);
}

} // namespace vkp2::planner_window
