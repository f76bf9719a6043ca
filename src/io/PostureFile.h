#pragma once

#include "human/Posture.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A posture file holds the four tables of CPosture as little-endian doubles, 4416 bytes.
std::vector<std::uint8_t> EncodePosture(const CPosture& posture);
// 1 when `size` holds a whole record (extra bytes are ignored) whose values are all numbers of
// degrees within a turn either way and whose limits are not inverted; else 0, the reason in
// `failure` and `posture` unchanged.
int DecodePosture(const std::uint8_t* data, std::size_t size, CPosture& posture,
                  std::string* failure = nullptr);

// Writes the 4416 bytes as WriteFileReplacing does. Returns 1, or 0 with the reason in `failure`.
int WritePostureFile(const CPosture& posture, const std::string& path,
                     std::string* failure = nullptr);
// Reads a posture file. Returns 0, with the file and the reason in `failure`, when it cannot be
// opened or does not hold a whole, sound record (see DecodePosture).
int ReadPostureFile(CPosture& posture, const std::string& path, std::string* failure = nullptr);
