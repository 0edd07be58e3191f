#pragma once
// The gradient background of the side windows: white at the top to light blue.
#include <QImage>
#include <QtGlobal>

class QPainter;
class QWidget;

// The gradient as a Width x Height picture: line 0 in StartColor, line i in the
// colour of step i - 1 (colours &HBBGGRR). Vertical: one line per pixel row.
QImage GradientImage(int Width, int Height, quint32 StartColor, quint32 EndColor, bool Vertical);

// Draws the gradient into the painter at (0, 0); false when it could not be drawn.
bool PaintGradient(QPainter& DeviceContext, int Width, int Height, quint32 StartColor, quint32 EndColor,
                   bool Vertical);

// What every such window's paint handler does: the window's outer size, white to (85,160,255).
void PaintFormGradient(QWidget* form);
