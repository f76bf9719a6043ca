#pragma once

#include "core/Vec3.h"

#include <string>

// Builds indented JSON text: objects and arrays opened and closed in order, keys and values
// escaped. Numbers print with `significantDigits` digits at most (7 suits values held in single
// precision); NaN and infinities print as null.
class CJsonWriter {
public:
    explicit CJsonWriter(int significantDigits = 10) : digits(significantDigits) {}
    void BeginObject(const char* key = nullptr);
    void EndObject();
    void BeginArray(const char* key = nullptr);
    void EndArray();
    void Number(const char* key, double value);
    void Integer(const char* key, long long value);
    void Bool(const char* key, bool value);
    void String(const char* key, const std::string& value);
    // [x, y, z] on one line.
    void Triple(const char* key, const Vec3& value);

    const std::string& Text() const { return text; }

private:
    // Comma, line break and indentation before the next member, then "key": when given.
    void Member(const char* key);
    void Open(const char* key, char bracket);
    void Close(char bracket);

    std::string text;
    int digits;
    int depth = 0;
    bool first = true;
};

// "%.<digits>g", or null for NaN and infinities.
std::string JsonNumber(double value, int digits = 10);
// value in double quotes with ", \ and control characters escaped.
std::string JsonString(const std::string& value);
