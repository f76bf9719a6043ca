#include "core/UserReporter.h"

#include <cstdio>

void CStderrReporter::Message(const std::string& text, const std::string& caption) {
    ++messages;
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
}

bool CStderrReporter::Question(const std::string& text, const std::string& caption) {
    std::fprintf(stderr, "%s: %s [%s]\n", caption.c_str(), text.c_str(), answer ? "yes" : "no");
    return answer;
}
