#include "ui/about/about_dialog.h"

namespace vkp2 {

void showAboutDialog(QWidget *, MessageBoxes &) {}

} // namespace vkp2
