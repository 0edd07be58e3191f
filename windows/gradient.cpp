#include "windows/gradient.h"

#include <QPainter>
#include <QWidget>
#include <cmath>

#include "core/numeric.h"

namespace {
int channel(quint32 colour, int shift) { return int((colour >> shift) & 0xFF); }
}  // namespace

QImage GradientImage(int Width, int Height, quint32 StartColor, quint32 EndColor, bool Vertical) {
    const int steps = Vertical ? Height : Width;
    if (Width <= 0 || Height <= 0 || steps <= 0) return {};
    QImage image(Width, Height, QImage::Format_RGB32);
    const int r0 = channel(StartColor, 0), g0 = channel(StartColor, 8), b0 = channel(StartColor, 16);
    const double dR = (channel(EndColor, 0) - r0) / double(steps);
    const double dG = (channel(EndColor, 8) - g0) / double(steps);
    const double dB = (channel(EndColor, 16) - b0) / double(steps);
    QRgb pen = qRgb(r0, g0, b0);
    // Each line is drawn with the pen of the step before it; the last step falls outside.
    for (int i = 0; i < steps; ++i) {
        if (Vertical) {
            std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(i)), Width, pen);
        } else {
            for (int y = 0; y < Height; ++y) reinterpret_cast<QRgb*>(image.scanLine(y))[i] = pen;
        }
        pen = qRgb(int(RoundHalfEven(r0 + i * dR)), int(RoundHalfEven(g0 + i * dG)), int(RoundHalfEven(b0 + i * dB)));
    }
    return image;
}

bool PaintGradient(QPainter& DeviceContext, int Width, int Height, quint32 StartColor, quint32 EndColor,
                   bool Vertical) {
    const QImage image = GradientImage(Width, Height, StartColor, EndColor, Vertical);
    if (image.isNull() || !DeviceContext.isActive()) return false;
    DeviceContext.drawImage(0, 0, image);
    return true;
}

void PaintFormGradient(QWidget* form) {
    QPainter painter(form);
    const QSize outer = form->frameGeometry().size();
    PaintGradient(painter, outer.width(), outer.height(), 0xFFFFFF, 0xFFA055, true);
}
