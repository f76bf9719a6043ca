#include "cli/FigureOptions.h"

#include "anthro/PopulationTables.h"
#include "human/Mannequin.h"

#include <cctype>
#include <cstdlib>
#include <initializer_list>

const char* const kFigureOptionsHelp =
    "  --population <code|name>  1 USA (1988 US Army), 2 Britain, 3 Germany, 4 France,\n"
    "                            5 Sweden, 6 Poland, 7 HongKong, 8 India, 9 Switzerland,\n"
    "                            10 Japan, 11 South China, 12 North Europe, 13 NASA STD-3000\n"
    "  --sex male|female\n"
    "  --size 0..4               2.5%, 5%, 50%, 95%, 97.5%\n"
    "  --age 3..12               a child (male) of that age instead of an adult\n"
    "  --body thin|average|heavy\n"
    "  --figure human|robot|stick|skeleton|humanform\n"
    "  --posture 0..37           standard posture, 0 none\n"
    "  --facing left|right|front|back\n";

namespace {

constexpr const char* kFacingNames[] = {"Left", "Right", "Front", "Back"};
constexpr const char* kBodyTypeNames[] = {"thin", "average", "heavy"};

std::string Lower(const std::string& text) {
    std::string out;
    for (unsigned char c : text)
        out += static_cast<char>(std::tolower(c));
    return out;
}

// Whole decimal integer within [low, high].
bool ParseInteger(const std::string& text, int low, int high, int& value) {
    if (text.empty())
        return false;
    char* end = nullptr;
    const long parsed = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || parsed < low || parsed > high)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

// A number within range, or one of the words (index = value).
bool ParseNamed(const std::string& text, std::initializer_list<const char*> words, int& value) {
    int index = 0;
    for (const char* word : words) {
        if (Lower(text) == word) {
            value = index;
            return true;
        }
        ++index;
    }
    return ParseInteger(text, 0, index - 1, value);
}

// A population code, or a display name ("Britain"); an unknown name is code 0, which has no
// data and fails at the load with its message, as the dialogs' choice would.
int PopulationCode(const std::string& text) {
    int code = 0;
    if (ParseInteger(text, -1000000, 1000000, code))
        return code;
    for (code = 1; code <= kDatabaseCount; ++code)
        if (Lower(text) == Lower(PopulationDisplayName(code)))
            return code;
    return 0;
}

} // namespace

int TakeFigureOption(const std::string& name, const std::string& value, FigureChoice& choice,
                     std::string& error) {
    bool ok = true;
    int age = 0;
    if (name == "--population")
        choice.population = PopulationCode(value);
    else if (name == "--sex")
        ok = ParseNamed(value, {"female", "male"}, choice.sex);
    else if (name == "--size")
        ok = ParseInteger(value, 0, kSizeRowCount - 1, choice.sizeRow);
    else if (name == "--age") {
        ok = ParseInteger(value, 3, 12, age);
        choice.childTable = age - 3;
    } else if (name == "--body")
        ok = ParseNamed(value, {"thin", "average", "heavy"}, choice.bodyType);
    else if (name == "--figure")
        ok = ParseNamed(value, {"human", "robot", "stick", "skeleton", "humanform"},
                        choice.representation);
    else if (name == "--posture")
        ok = ParseInteger(value, 0, 37, choice.posture);
    else if (name == "--facing")
        ok = ParseNamed(value, {"left", "right", "front", "back"}, choice.facing);
    else
        return 0;
    if (ok)
        return 1;
    error = "bad value for " + name + ": \"" + value + "\"";
    return -1;
}

bool CheckFigureChoice(const FigureChoice& choice, std::string& error) {
    if (choice.childTable >= 0 && choice.sex == kFemale) {
        error = "children are male: --age cannot go with --sex female";
        return false;
    }
    if (choice.sex == kFemale && choice.representation > 2) {
        error = "female figures are Human, Robot or Stick Figure only";
        return false;
    }
    return true;
}

const char* FacingName(int facing) {
    return facing >= 0 && facing <= 3 ? kFacingNames[facing] : "";
}

const char* BodyTypeName(int bodyType) {
    return bodyType >= 0 && bodyType <= 2 ? kBodyTypeNames[bodyType] : "";
}

std::unique_ptr<CMannequin> BuildChosenFigure(const FigureChoice& choice, CUserReporter& reporter) {
    const CAnthropometryContext context{reporter};
    auto figure = std::make_unique<CMannequin>(
        choice.representation, choice.sex, choice.childTable, choice.sizeRow, choice.bodyType,
        choice.population, choice.posture, choice.facing, kSizeAutomatic, context);
    if (!figure->valid)
        figure.reset();
    return figure;
}
