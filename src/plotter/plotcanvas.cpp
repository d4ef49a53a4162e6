#include "plotter/plotcanvas.h"

#include <QFont>
#include <algorithm>
#include <cmath>
#include <cstdlib>

PlotCanvas::PlotCanvas(QImage& image) : image_(image), bits_(image.bits()), bytesPerLine_(image.bytesPerLine()) {}

int PlotCanvas::Pixel(long double value) {
    if (!(value > -20000.0L)) return -20000;  // also NaN, which must never reach a coordinate
    if (value > 20000.0L) return 20000;
    return static_cast<int>(std::nearbyint(value));
}

void PlotCanvas::plot(int x, int y) {
    auto* pixel = reinterpret_cast<QRgb*>(bits_ + y * bytesPerLine_) + x;
    *pixel = mask_ ? (*pixel & pen_) : pen_;
}

void PlotCanvas::LineTo(int x, int y) {
    const QPoint from = pos_;
    pos_ = {clamp(x), clamp(y)};
    const int dx = pos_.x() - from.x();
    const int dy = pos_.y() - from.y();
    const bool steep = std::abs(dy) > std::abs(dx);
    const long long major = steep ? std::abs(dy) : std::abs(dx);  // pixels drawn: the end stays out
    if (major == 0) return;
    const long long minor = steep ? std::abs(dx) : std::abs(dy);
    const int majorStep = (steep ? dy : dx) > 0 ? 1 : -1;
    const int minorStep = (steep ? dx : dy) > 0 ? 1 : -1;
    const int majorStart = steep ? from.y() : from.x();
    const int minorStart = steep ? from.x() : from.y();
    const int majorLimit = steep ? image_.height() : image_.width();
    const int minorLimit = steep ? image_.width() : image_.height();
    // Only the steps whose major coordinate lies on the surface are walked.
    long long first = majorStep > 0 ? -majorStart : majorStart - (majorLimit - 1);
    long long last = majorStep > 0 ? (majorLimit - 1) - majorStart : majorStart;
    first = std::max(first, 0LL);
    last = std::min(last, major - 1);
    for (long long i = first; i <= last; ++i) {
        // Nearest minor coordinate on the ideal line, halves rounded away from the start.
        const int m = minorStart + minorStep * static_cast<int>((2 * i * minor + major) / (2 * major));
        if (m < 0 || m >= minorLimit) continue;
        const int a = majorStart + majorStep * static_cast<int>(i);
        if (steep) plot(m, a);
        else plot(a, m);
    }
}

QPainter& PlotCanvas::painter() {
    if (!painter_) {
        painter_.emplace(&image_);
        // 9 points at 96 dots per inch; "Arial" resolves to its metric twin where it is missing.
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(12);
        font.setStyleStrategy(QFont::NoAntialias);
        painter_->setFont(font);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setBrush(Qt::NoBrush);
    }
    return *painter_;
}

void PlotCanvas::Ellipse(int cx, int cy, int radius) {
    QPainter& p = painter();
    p.setPen(QColor::fromRgb(pen_));
    p.drawEllipse(QPoint(clamp(cx), clamp(cy)), radius, radius);
}

void PlotCanvas::Text(QPoint topLeft, const QString& text, const QColor& colour) {
    QPainter& p = painter();
    p.setPen(colour);
    p.drawText(QRect(topLeft, QSize(200, 40)), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
}
