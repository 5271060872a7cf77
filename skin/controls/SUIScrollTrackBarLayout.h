#pragma once
// The arithmetic of a scroll track as pure functions: where the slider sits
// for a position, which position a point stands for, and where a page
// press takes the position. The track places its slider, pages and drags
// with them, and the tests pin them with tables.
//
// Lengths are along the bar: L the track, S the slider. Products are taken
// in 64 bits, so wide ranges (a long memo, or Min and Max near the ends of
// the 32-bit range) cannot overflow.

struct TScrollTrackRange {
    int Min = 0;
    int Max = 0;
    int Position = 0;
};

// The slider's offset along the bar: (L - S) x (Position - Min) / (Max - Min),
// truncated toward zero; 0 when Max = Min.
[[nodiscard]] int SliderOffset(const TScrollTrackRange& range, int trackLength, int sliderLength);
// The slider's offset across the bar: centred, never negative.
[[nodiscard]] int SliderCrossOffset(int trackCross, int sliderCross);
// The position whose slider centre lies at c (along the bar), rounded to
// the nearest integer with ties to the even one; not clamped. 0 when the
// slider is as long as the track.
[[nodiscard]] int PositionAtPoint(const TScrollTrackRange& range, int trackLength, int sliderLength, int c);
// One page step from a press at c toward the position p under it: at most
// step beyond the current position and never past p. A press on the slider's
// leading edge changes nothing.
[[nodiscard]] int PagedPosition(const TScrollTrackRange& range, int sliderStart, int c, int p, int step);
// The slider's length for a track: lineButton when set (at least
// kMinSliderLength), else pageSize percent of the track, where a page size
// outside 10..100 counts as 10.
[[nodiscard]] int SliderLength(int trackLength, int pageSize, int lineButton);
// The shortest slider LineButton gives (pixels).
inline constexpr int kMinSliderLength = 18;
