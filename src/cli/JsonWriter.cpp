#include "cli/JsonWriter.h"

#include <cmath>
#include <cstdio>

std::string JsonNumber(double value, int digits) {
    if (!std::isfinite(value))
        return "null";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.*g", digits, value == 0.0 ? 0.0 : value); // no -0
    return buffer;
}

std::string JsonString(const std::string& value) {
    std::string out = "\"";
    for (unsigned char c : value) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
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

void CJsonWriter::String(const char* key, const std::string& value) {
    Member(key);
    text += JsonString(value);
}

void CJsonWriter::Bool(const char* key, bool value) {
    Member(key);
    text += value ? "true" : "false";
}

void CJsonWriter::Null(const char* key) {
    Member(key);
    text += "null";
}

void CJsonWriter::Triple(const char* key, const Vec3& value) {
    Member(key);
    text += "[" + JsonNumber(value.x, digits) + ", " + JsonNumber(value.y, digits) + ", " +
            JsonNumber(value.z, digits) + "]";
}
