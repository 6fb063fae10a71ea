#pragma once
// Night mode: reds on black, so a window beside the telescope keeps the eyes dark-adapted.
// Every colour the program draws at night has green and blue at most a twentieth of its red.

#include <QColor>
#include <QImage>
#include <QKeySequence>
#include <QPalette>

class QWidget;

namespace vkp2::night {

// Toggles night mode in both windows.
QKeySequence shortcut();

// The palette of a night window: black grounds, red text, dim reds for what is disabled.
QPalette palette();

// A colour as night draws it: as bright as the day colour, all of it red.
QColor red(const QColor &day);
// The same for every pixel of an image (alpha kept).
QImage redImage(const QImage &day);
// A drawing on a white ground as night shows it: the ground black, the lines red as bright as
// they were dark (alpha kept), so the largest area stays dark.
QImage negativeRedImage(const QImage &day);

// The rule every night pixel keeps.
inline bool keepsRule(QRgb pixel)
{
    const int r = qRed(pixel);
    return qGreen(pixel) * 20 <= r && qBlue(pixel) * 20 <= r;
}

// A dim red arrow for the mouse over a night window.
QCursor cursor();

// The program in night colours (style, palette, the window's cursor), or back to its own.
void apply(QWidget *window, bool on);

} // namespace vkp2::night
