#include "widgets/planner_window/field_mark.h"

#include "widgets/planner_window/announce.h"

#include <QLabel>
#include <QVariant>

namespace vkp2::planner_window {

namespace {

const char *const kInvalid = "vkp2Invalid";
const char *const kProblem = "vkp2Problem";

// One program, one look: what setMarksNight last set.
bool marksNight = false;

QString markRed() { return marksNight ? QStringLiteral("#e00000") : QStringLiteral("#d62728"); }

QString fieldSheet(const QWidget *field)
{
    return QStringLiteral("%1 { border: 2px solid %2; }").arg(QLatin1String(field->metaObject()->className()), markRed());
}

QString problemSheet() { return QStringLiteral("QLabel { color: %1; }").arg(markRed()); }

} // namespace

void markField(QWidget *field, const QString &why)
{
    const bool bad = !why.isEmpty();
    if (bad != isMarkedInvalid(field)) {
        field->setStyleSheet(bad ? fieldSheet(field) : QString());
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
    l->setProperty(kProblem, true);
    l->setStyleSheet(problemSheet());
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

void setMarksNight(QWidget *root, bool on)
{
    marksNight = on;
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (isMarkedInvalid(w))
            w->setStyleSheet(fieldSheet(w));
        else if (w->property(kProblem).toBool())
            w->setStyleSheet(problemSheet());
    }
}

} // namespace vkp2::planner_window
