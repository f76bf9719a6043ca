#pragma once

#include "core/ObjectList.h"

#include <initializer_list>
#include <string>
#include <vector>

struct CGlobalSettings;
class CMannequin;
class CSceneObject;
class CUserReporter;

// The objects of a scene read by a command; deletes the top-level ones (which own the rest).
struct CommandScene {
    CommandScene() = default;
    CommandScene(const CommandScene&) = delete;
    CommandScene& operator=(const CommandScene&) = delete;
    ~CommandScene();
    CObjectList objects;
    std::vector<CSceneObject*> owned;
};

// Reads a scene file; false (with the reason on stderr, after "tavrona-cli COMMAND: ") when
// it does not read.
bool ReadCommandScene(const std::string& command, const std::string& path,
                      const CGlobalSettings& settings, CUserReporter& reporter,
                      CommandScene& scene);

// The position of `word` in `words`, or -1.
int WordIndex(const std::string& word, std::initializer_list<const char*> words);
// "WxH" in pixels, each 1..1000000.
bool ParseSize(const std::string& text, int& width, int& height);
// The first mannequin of the list, or null.
CMannequin* FirstFigure(const CObjectList& objects);
