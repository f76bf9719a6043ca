#include "cli/SceneInput.h"

#include "core/SceneObject.h"
#include "document/SceneFileReader.h"
#include "human/Mannequin.h"

#include <cstdio>
#include <cstdlib>

CommandScene::~CommandScene() {
    for (CSceneObject* object : owned)
        delete object;
}

bool ReadCommandScene(const std::string& command, const std::string& path,
                      const CGlobalSettings& settings, CUserReporter& reporter,
                      CommandScene& scene) {
    SceneReadContext context;
    context.reporter = &reporter;
    context.settings = &settings;
    if (!ReadSceneFile(path, scene.objects, context)) {
        std::fprintf(stderr, "tavrona-cli %s: cannot read scene file %s\n", command.c_str(),
                     path.c_str());
        return false;
    }
    for (CSceneObject* object : scene.objects)
        if (object->IsTopLevel())
            scene.owned.push_back(object);
    return true;
}

int WordIndex(const std::string& word, std::initializer_list<const char*> words) {
    int i = 0;
    for (const char* w : words) {
        if (word == w)
            return i;
        ++i;
    }
    return -1;
}

bool ParseSize(const std::string& text, int& width, int& height) {
    char* end = nullptr;
    const long w = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || (*end != 'x' && *end != 'X'))
        return false;
    const char* rest = end + 1;
    const long h = std::strtol(rest, &end, 10);
    if (end == rest || *end != '\0' || w <= 0 || h <= 0 || w > 1000000 || h > 1000000)
        return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

CMannequin* FirstFigure(const CObjectList& objects) {
    for (CSceneObject* object : objects)
        if (object->type == kTypeMannequin)
            return static_cast<CMannequin*>(object);
    return nullptr;
}
