#pragma once

#include <QImage>
#include <QStringList>

namespace art {

// All pictures in a grid, each with its file name underneath, for review.
QImage contactSheet(const QStringList& pictures, int columns, int cell);

}  // namespace art
