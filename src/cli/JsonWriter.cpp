#include "cli/JsonWriter.h"

#include <cmath>
#include <cstdio>

std::string JsonNumber(double value, int digits) {
    if (!std::isfinite(value))
        return "null";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
    return buffer;
}

namespace {

// Length of the well-formed UTF-8 sequence at `at`, or 0.
std::size_t Utf8SequenceAt(const std::string& text, std::size_t at) {
    const auto byte = [&](std::size_t i) {
        return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u;
    };
    const unsigned lead = byte(at);
    const auto continuation = [&](std::size_t i) { return (byte(i) & 0xC0) == 0x80; };
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return continuation(at + 1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const unsigned second = byte(at + 1);
        const bool valid = (lead != 0xE0 || second >= 0xA0) && (lead != 0xED || second < 0xA0);
        return valid && continuation(at + 1) && continuation(at + 2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const unsigned second = byte(at + 1);
        const bool valid = (lead != 0xF0 || second >= 0x90) && (lead != 0xF4 || second < 0x90);
        return valid && continuation(at + 1) && continuation(at + 2) && continuation(at + 3) ? 4
                                                                                             : 0;
    }
    return 0;
}

void AppendEscaped(std::string& out, unsigned code) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\u%04x", code);
    out += escaped;
}

} // namespace

// Names and paths may hold bytes that are not UTF-8 (names stored by other programs, paths
// of any encoding): each such byte is written as the Latin-1 character of its value, so the
// text stays valid JSON and nothing is dropped.
std::string JsonString(const std::string& value) {
    std::string out = "\"";
    for (std::size_t i = 0; i < value.size();) {
        const unsigned char c = static_cast<unsigned char>(value[i]);
        const std::size_t length = Utf8SequenceAt(value, i);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F || length == 0) {
            AppendEscaped(out, c);
        } else {
            out.append(value, i, length);
            i += length;
            continue;
        }
        ++i;
    }
    return out + "\"";
}

void CJsonWriter::Member(const char* key) {
    if (depth > 0) {
        text += first ? "\n" : ",\n";
        text.append(2 * depth, ' ');
    }
    first = false;
    if (key)
        text += JsonString(key) + ": ";
}

void CJsonWriter::Open(const char* key, char bracket) {
    Member(key);
    text += bracket;
    ++depth;
    first = true;
}

void CJsonWriter::Close(char bracket) {
    --depth;
    if (!first) {
        text += '\n';
        text.append(2 * depth, ' ');
    }
    text += bracket;
    first = false;
    if (depth == 0)
        text += '\n';
}

void CJsonWriter::BeginObject(const char* key) {
    Open(key, '{');
}
void CJsonWriter::EndObject() {
    Close('}');
}
void CJsonWriter::BeginArray(const char* key) {
    Open(key, '[');
}
void CJsonWriter::EndArray() {
    Close(']');
}

void CJsonWriter::Number(const char* key, double value) {
    Member(key);
    text += JsonNumber(value, digits);
}

void CJsonWriter::Integer(const char* key, long long value) {
    Member(key);
    text += std::to_string(value);
}

void CJsonWriter::Bool(const char* key, bool value) {
    Member(key);
    text += value ? "true" : "false";
}

void CJsonWriter::String(const char* key, const std::string& value) {
    Member(key);
    text += JsonString(value);
}

void CJsonWriter::Triple(const char* key, const Vec3& value) {
    Member(key);
    text += "[" + JsonNumber(value.x, digits) + ", " + JsonNumber(value.y, digits) + ", " +
            JsonNumber(value.z, digits) + "]";
}
