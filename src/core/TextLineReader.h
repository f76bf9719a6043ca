#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

// Reads the body model's text data files line by line. Their lines are shorter than 80
// characters; a longer line (or a NUL byte) marks the file as malformed instead of being split
// into two lines, so a damaged file never shifts the rows that follow.
class CTextLineReader {
public:
    explicit CTextLineReader(const std::string& path, std::size_t maxLineLength = 79);
    ~CTextLineReader();
    CTextLineReader(const CTextLineReader&) = delete;
    CTextLineReader& operator=(const CTextLineReader&) = delete;

    bool IsOpen() const { return file != nullptr; }
    // The next line without its "\n" or "\r\n"; false at the end of the file or when the line
    // is malformed (see Malformed()).
    bool Next(std::string& line);
    // Skips `count` lines; false when the file ends or a malformed line comes first.
    bool Skip(long count);
    bool Malformed() const { return malformed; }
    // The number of the line Next last returned or found malformed (1 for the first).
    long LineNumber() const { return lineNumber; }
    // Why the last Next or Skip returned false, for messages that name the place:
    // "line N is not text" or "the file ends after line N".
    std::string WhyItStopped() const;

private:
    std::FILE* file = nullptr;
    std::size_t maxLineLength;
    bool malformed = false;
    long lineNumber = 0;
};
