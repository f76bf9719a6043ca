#pragma once

#include <string>

// Path of the installed font file that fontconfig picks for a family name ("Arial" resolves to
// a metric-compatible face such as Liberation Sans); empty when none is found.
std::string FindFontFile(const char* family);
