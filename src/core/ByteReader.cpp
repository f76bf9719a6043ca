#include "core/ByteReader.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

bool CByteReader::ReadInt16(int& value) {
    if (Remaining() < 2)
        return false;
    const auto bits = static_cast<std::uint16_t>(data[position] | data[position + 1] << 8);
    value = static_cast<std::int16_t>(bits);
    position += 2;
    return true;
}

bool CByteReader::ReadFloat(float& value) {
    if (Remaining() < 4)
        return false;
    const unsigned char* b = data + position;
    const std::uint32_t bits = std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 |
                               std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24;
    std::memcpy(&value, &bits, sizeof value);
    position += 4;
    return true;
}

bool CByteReader::Skip(std::size_t count) {
    if (Remaining() < count)
        return false;
    position += count;
    return true;
}

const unsigned char* CByteReader::Take(std::size_t count) {
    if (!Has(count)) {
        failed = true;
        return nullptr;
    }
    const unsigned char* p = data + position;
    position += count;
    return p;
}

std::uint8_t CByteReader::U8() {
    const unsigned char* p = Take(1);
    return p ? p[0] : 0;
}

std::int16_t CByteReader::I16() {
    int value = 0;
    failed = !ReadInt16(value) || failed;
    return static_cast<std::int16_t>(value);
}

std::int32_t CByteReader::I32() {
    const unsigned char* b = Take(4);
    if (!b)
        return 0;
    const std::uint32_t bits = std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 |
                               std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24;
    return static_cast<std::int32_t>(bits);
}

float CByteReader::F32() {
    float value = 0.0f;
    failed = !ReadFloat(value) || failed;
    return value;
}

Vec3 CByteReader::Point() {
    const float x = F32();
    const float y = F32();
    const float z = F32();
    return {x, y, z};
}

std::string CByteReader::Text(std::size_t count) {
    const unsigned char* p = Take(count);
    if (!p)
        return {};
    const auto* text = reinterpret_cast<const char*>(p);
    return std::string(text, strnlen(text, count));
}

CByteReader CByteReader::Sub(std::size_t count) {
    const unsigned char* p = Take(count);
    return p ? CByteReader(p, count) : CByteReader(data, 0);
}

std::FILE* OpenRegularFile(const std::string& path) {
    // Opened without waiting, so that a FIFO cannot hang the reader.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat st {};
    std::FILE* file = nullptr;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
        file = ::fdopen(fd, "rb");
    else
        errno = EINVAL;
    if (!file)
        ::close(fd);
    return file;
}

bool ReadFileBytes(const std::string& path, std::size_t maxBytes,
                   std::vector<unsigned char>& bytes) {
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> file(OpenRegularFile(path));
    if (!file)
        return false;
    bytes.clear();
    unsigned char chunk[65536];
    while (bytes.size() < maxBytes) {
        const std::size_t want = std::min(sizeof chunk, maxBytes - bytes.size());
        const std::size_t got = std::fread(chunk, 1, want, file.get());
        bytes.insert(bytes.end(), chunk, chunk + got);
        if (got < want)
            return !std::ferror(file.get());
    }
    return true;
}
