#pragma once
#include <QIcon>
#include <QPixmap>

namespace ui {
// The suite's icon, drawn in code: a gold disc with the Lo Shu square's centre number.
QPixmap AppIconPixmap(int size = 64);
QIcon AppIcon();
// A small decorative picture for the launcher's tool frames.
QPixmap ToolPicture(int index, int variant, int size = 40);
}  // namespace ui
