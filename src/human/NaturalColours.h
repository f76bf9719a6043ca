#pragma once

// Colours of the natural colour scheme (packed RGB, red in the low byte): skin where the body
// is bare (head, neck, forearms, hands), a short-sleeved top over the chest and upper arms,
// trousers from the waist to the ankles and shoes; men and women are dressed differently, so
// that figures side by side are told apart. A skeleton is drawn in one bone tone.
int NaturalSegmentColour(int segment, bool male, int representation);

// A selected segment under the natural scheme: a saturated yellow that no skin or clothing
// tone comes near.
inline constexpr int kNaturalSelectedColour = 0x00D2FF; // red 255, green 210, blue 0
