#pragma once

#include "core/SceneObject.h"
#include "core/UserReporter.h"
#include "io/DxfImport.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Stays silent: the fuzzer only cares that reading never crashes or runs away.
class QuietReporter : public CUserReporter {
public:
    void Message(const std::string&, const std::string&) override {}
    bool Question(const std::string&, const std::string&) override { return false; }
};

// Reads `data` as a DXF file and centres what it made, as the import command does.
inline void ReadFuzzedDxf(const std::uint8_t* data, std::size_t size) {
    QuietReporter reporter;
    std::vector<std::unique_ptr<CSceneObject>> created;
    ReadDxfData(data, size, created, reporter);
    for (auto& object : created)
        object->CenterOrigin();
}
