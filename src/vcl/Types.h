// Rectangles and points in the Windows sense: Right and Bottom lie just outside the area, so
// Width = Right - Left. QRect counts them inside, hence a type of our own.
#pragma once

#include <QPoint>
#include <QRect>

struct TPoint {
    int X = 0;
    int Y = 0;
    constexpr bool operator==(const TPoint &) const = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool Contains(const TPoint &p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
    constexpr bool operator==(const TRect &) const = default;

    QRect ToQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    QRectF ToQRectF() const { return QRectF(Left, Top, Right - Left, Bottom - Top); }
    static TRect FromQRect(const QRect &r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
};

constexpr TRect Rect(int left, int top, int right, int bottom)
{
    return {left, top, right, bottom};
}
constexpr TRect Bounds(int left, int top, int width, int height)
{
    return {left, top, left + width, top + height};
}
constexpr TPoint Point(int x, int y)
{
    return {x, y};
}
// Grows (positive) or shrinks (negative) a rectangle on both sides.
constexpr void InflateRect(TRect &r, int dx, int dy)
{
    r.Left -= dx;
    r.Right += dx;
    r.Top -= dy;
    r.Bottom += dy;
}
constexpr void OffsetRect(TRect &r, int dx, int dy)
{
    r.Left += dx;
    r.Right += dx;
    r.Top += dy;
    r.Bottom += dy;
}
