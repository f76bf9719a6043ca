#pragma once

// The colour scheme chosen in View Preferences, kept in the user's settings between runs by its
// word ("palette", "natural"). A missing or unknown entry gives the palette.
inline constexpr const char* kColourSchemeSettingKey = "View/ColourScheme";
int StoredColourScheme();
void StoreColourScheme(int scheme);
