#pragma once

#include <memory>
#include <string>

class CMannequin;
class CUserReporter;

// The choices of the New Mannequin dialogs, as command-line options. Defaults are the
// dialogs' own: USA (1988 US Army), male, 50 %, adult, average, Human, posture 1, facing front.
struct FigureChoice {
    int population = 1;     // population code (database index + 1)
    int sex = 1;            // 0 female, 1 male
    int sizeRow = 2;        // 0..4
    int childTable = -1;    // 0..9 for ages 3..12, -1 adult
    int bodyType = 1;       // 0 thin, 1 average, 2 heavy
    int representation = 0; // 0 Human .. 4 HumanForm
    int posture = 1;        // standard posture 1..37, 0 none
    int facing = 2;         // 0 left, 1 right, 2 front, 3 back
};

// Help text of the options below, one per line.
extern const char* const kFigureOptionsHelp;

// Takes one option (`name` with its `value`) into `choice` when it is a figure option:
//   --population <code 1..13 | name>   --sex male|female   --size <row 0..4>
//   --age <3..12>   --body thin|average|heavy   --figure human|robot|stick|skeleton|humanform
//   --posture <0..37>   --facing left|right|front|back
// Numbers are accepted for every named choice. Returns 1 when taken, 0 when `name` is not a
// figure option, -1 with `error` set for a bad value.
int TakeFigureOption(const std::string& name, const std::string& value, FigureChoice& choice,
                     std::string& error);
// Combinations the dialogs do not allow (children are male; women have only the first three
// figures). Returns false with `error` set.
bool CheckFigureChoice(const FigureChoice& choice, std::string& error);

// Display names of the choices (RepresentationName is the figure's own).
const char* FacingName(int facing);     // "Left" .. "Back"
const char* BodyTypeName(int bodyType); // "thin", "average", "heavy"

// The figure of these choices, built from the data directory as New Mannequin builds it
// (automatic size); null, with the data file's message shown, when it cannot be built.
std::unique_ptr<CMannequin> BuildChosenFigure(const FigureChoice& choice, CUserReporter& reporter);
