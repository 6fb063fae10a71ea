#pragma once
// The About window.

class QWidget;

namespace vkp2 {

class MessageBoxes;

// Builds the About window anew, centred over `owner`, and shows it modally until it is closed.
void showAboutDialog(QWidget *owner, MessageBoxes &messages);

} // namespace vkp2
