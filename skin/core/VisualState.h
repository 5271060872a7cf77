#pragma once
// The visual state of a skinned control, computed once per paint from what
// the control knows (enabled, pressed, under the pointer), and the frame of
// a skin strip that each state shows. A disabled control shows its disabled
// frame whatever the mouse does; a pressed one shows pressed even when the
// pointer has left it while the button is held.
//
//   const TVisualState state = VisualStateOf({Enabled(), m_mouseDown, m_mouseIn});
//   theme.Bitmap(ButtonImage, buf, 3, FrameOf(kButtonFaceFrames, state));
//
// Focus and checked marks are drawn on top of the state's frame, or pick a
// strip of their own (a check box's checked and unchecked strips), so they
// are flags beside the state, not states.

#include <array>
#include <cstdint>

enum class TVisualState : std::uint8_t { Normal, Hot, Pressed, Disabled };

inline constexpr int kVisualStateCount = 4;

struct TVisualInput {
    bool Enabled = true;
    bool Pressed = false;  // the mouse button or key is held on the control
    bool Hot = false;      // the pointer is over the control
};

[[nodiscard]] constexpr TVisualState VisualStateOf(TVisualInput in)
{
    if (!in.Enabled) return TVisualState::Disabled;
    if (in.Pressed) return TVisualState::Pressed;
    if (in.Hot) return TVisualState::Hot;
    return TVisualState::Normal;
}

// Frame numbers (from 1) of a strip, one per state in enumeration order.
using TStateFrames = std::array<int, kVisualStateCount>;

[[nodiscard]] constexpr int FrameOf(const TStateFrames& frames, TVisualState state)
{
    return frames[static_cast<std::size_t>(state)];
}
