#pragma once

#include "human/Posture.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A posture file holds the four tables of CPosture as little-endian doubles, 4416 bytes.
std::vector<std::uint8_t> EncodePosture(const CPosture& posture);
// 1 when `size` holds a whole record (extra bytes are ignored), else 0 and `posture` unchanged.
int DecodePosture(const std::uint8_t* data, std::size_t size, CPosture& posture);

// Writes the 4416 bytes as WriteFileReplacing does. Returns 1, or 0 with the reason in `failure`.
int WritePostureFile(const CPosture& posture, const std::string& path,
                     std::string* failure = nullptr);
// Reads a posture file. Returns 0 when it cannot be opened or holds less than a whole record.
int ReadPostureFile(CPosture& posture, const std::string& path);
