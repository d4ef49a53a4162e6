#pragma once
// A pen on the drawing surface with the semantics the plotter's drawing is written in: a
// current position, MoveTo, and LineTo that draws from the current position up to but not
// including the end point. Lines are rasterised here, pixel by pixel, so that this holds
// whichever way a line runs; coordinates far outside the surface are clamped to ±20 000 and
// only the part of a line on the surface is walked. Texts and circles go through a painter.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <optional>

class PlotCanvas {
public:
    // The image must be in QImage::Format_RGB32.
    explicit PlotCanvas(QImage& image);

    // Rounds to the nearest pixel (halves to even) after clamping to ±20 000.
    static int Pixel(long double value);

    void SetPen(const QColor& colour) { pen_ = colour.rgb(); }
    // Bitwise AND with the picture instead of copying (grid laid under existing curves).
    void SetMaskMode(bool mask) { mask_ = mask; }
    void MoveTo(int x, int y) { pos_ = {clamp(x), clamp(y)}; }
    void LineTo(int x, int y);
    void Line(int x0, int y0, int x1, int y1) {
        MoveTo(x0, y0);
        LineTo(x1, y1);
    }
    void Ellipse(int cx, int cy, int radius);
    void Text(QPoint topLeft, const QString& text, const QColor& colour);
    void Fill(const QColor& colour) { image_.fill(colour); }

private:
    static int clamp(int v) { return v < -20000 ? -20000 : v > 20000 ? 20000 : v; }
    void plot(int x, int y);
    QPainter& painter();

    QImage& image_;
    uchar* bits_;
    qsizetype bytesPerLine_;
    std::optional<QPainter> painter_;
    QRgb pen_ = 0xff000000;
    bool mask_ = false;
    QPoint pos_;
};
