#include "core/TextLineReader.h"

#include "core/ByteReader.h"

CTextLineReader::CTextLineReader(const std::string& path, std::size_t maxLineLength)
    : file(OpenRegularFile(path)), maxLineLength(maxLineLength) {}

CTextLineReader::~CTextLineReader() {
    if (file)
        std::fclose(file);
}

bool CTextLineReader::Next(std::string& line) {
    line.clear();
    if (!file || malformed)
        return false;
    int c = std::getc(file);
    if (c == EOF)
        return false;
    ++lineNumber;
    for (; c != EOF && c != '\n'; c = std::getc(file)) {
        if (c == '\0' || line.size() > maxLineLength) {
            malformed = true;
            return false;
        }
        line.push_back(static_cast<char>(c));
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (line.size() > maxLineLength) {
        malformed = true;
        return false;
    }
    return true;
}

bool CTextLineReader::Skip(long count) {
    std::string line;
    for (long i = 0; i < count; ++i)
        if (!Next(line))
            return false;
    return true;
}

std::string CTextLineReader::WhyItStopped() const {
    const std::string number = std::to_string(lineNumber);
    return malformed ? "line " + number + " is not text" : "the file ends after line " + number;
}
