#pragma once

// A rectangle in hall-plan units: left and top inclusive, right and bottom one past the edge, as
// the legacy files and the plan store it (right = left + width).
struct SRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    SRect() = default;
    SRect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}

    static SRect FromSize(int l, int t, int width, int height)
    {
        return SRect(l, t, l + width, t + height);
    }

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }

    bool operator==(const SRect& other) const
    {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
    bool operator!=(const SRect& other) const { return !(*this == other); }
};
