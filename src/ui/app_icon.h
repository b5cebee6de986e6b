#pragma once

#include <QIcon>
#include <QString>

namespace mokopi::ui {

// icon.png from the application folder when it is there and readable,
// otherwise a small drawn face of the pet.
QIcon applicationIcon(const QString& appPath);
QPixmap drawnIcon();

}  // namespace mokopi::ui
