#pragma once

#include <string>

// Locates the body data files. $TAVRONA_DATA wins; otherwise the "Data" folder beside the
// running executable. The returned folder ends with '/'.
std::string DataDirectory();
// DataDirectory() + fileName.
std::string DataPath(const std::string& fileName);
