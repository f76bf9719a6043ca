#pragma once

// Entries of the selection buffer shared by every renderer (picks never overlap in time).
inline constexpr int kSelectionBufferSize = 512;

// Chooses the hit of a selection-mode pass: of `hitCount` records (name count, minimum depth,
// maximum depth, names) the one whose maximum depth is nearest wins, the earlier one on ties.
// Stores the winner's first name in `id` and returns 1; returns 0 when there is no hit or the
// winning record carries no name. Records running past `bufferSize` entries are ignored.
int ChooseHit(const unsigned int* buffer, int bufferSize, int hitCount, int& id);
