#include "io/ImagerFile.h"

#include "anthro/PopulationTables.h"
#include "core/ByteReader.h"
#include "core/UserReporter.h"
#include "human/Mannequin.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace {

struct Word {
    const char* text;
    int code;
};

constexpr Word kPopulations[] = {{"USA", 1},     {"BRITAIN", 2},  {"GERMANY", 3},     {"FRANCE", 4},
                                 {"POLAND", 6},  {"INDIA", 8},    {"SWITZERLAND", 9}, {"JAPAN", 10},
                                 {"SCHINA", 11}, {"NEUROPE", 12}, {"NASA", 13}};
constexpr Word kPercentiles[] = {{"2.5", 0}, {"5", 1}, {"50", 2}, {"95", 3}, {"97.5", 4}};
constexpr Word kBuilds[] = {{"thin", 0}, {"average", 1}, {"heavy", 2}};
constexpr Word kSegments[] = {{"WHOLE", 0},     {"HEAD", 1},      {"NECK", 2}, {"CHEST", 3},
                              {"UPPER_ARM", 4}, {"FORE_ARM", 5},  {"HAND", 6}, {"ABDOMEN", 7},
                              {"UPPER_LEG", 8}, {"LOWER_LEG", 9}, {"FOOT", 10}};
constexpr Word kAges[] = {{"adult", -1}, {"3", 0}, {"4", 1},  {"5", 2},  {"6", 3}, {"7", 4},
                          {"8", 5},      {"9", 6}, {"10", 7}, {"11", 8}, {"12", 9}};

template <std::size_t N> void TakeWord(std::istream& in, const Word (&words)[N], int& code) {
    std::string token;
    if (!(in >> token))
        return;
    for (const Word& w : words)
        if (token == w.text)
            code = w.code;
}

bool TakeNumber(std::istream& in, double& value) {
    double v;
    if (!(in >> v) || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

bool Within(double value, double high) {
    return value > 0.0 && value <= high;
}

} // namespace

ImagerRecord ParseImagerText(const std::string& text) {
    ImagerRecord r;
    std::istringstream in(text);
    int gender = 1;
    if (!(in >> gender))
        return r;
    r.gender = gender == kFemale ? kFemale : kMale;
    std::string mode;
    in >> mode;
    if (mode == "automatic") {
        r.mode = ImagerRecord::kAutomatic;
        TakeWord(in, kPopulations, r.population);
        TakeWord(in, kPercentiles, r.sizeRow);
        TakeWord(in, kBuilds, r.bodyType);
        TakeWord(in, kSegments, r.selection);
        TakeWord(in, kAges, r.childTable);
    } else {
        r.mode = mode == "manual" ? ImagerRecord::kManual : ImagerRecord::kSemiAutomatic;
        const int count = r.mode == ImagerRecord::kManual ? 16 : 2;
        for (int i = 0; i < count; ++i) {
            double v;
            if (!TakeNumber(in, v))
                return r;
            r.numbers.push_back(v);
        }
    }
    for (Vec3& landmark : r.landmarks)
        for (int k = 0; k < 3; ++k) {
            std::string separator;
            if (k > 0 && !(in >> separator))
                return r;
            if (!TakeNumber(in, landmark[k]))
                return r;
        }
    return r;
}

int ReadImagerFile(const std::string& path, ImagerRecord& record, CUserReporter& reporter) {
    // Only a regular file: a FIFO or a device would hang the reader or never end.
    std::FILE* file = OpenRegularFile(path);
    if (!file) {
        reporter.Message("Cannot open 3D Imager file: " + path);
        return 0;
    }
    std::string text(64 * 1024, '\0');
    text.resize(std::fread(text.data(), 1, text.size(), file));
    std::fclose(file);
    record = ParseImagerText(text);
    return 1;
}

void ApplyImagerRecord(CMannequin& figure, const ImagerRecord& r, CUserReporter& reporter) {
    CAnthropometry& a = figure.anthropometry;
    if (r.mode == ImagerRecord::kAutomatic) {
        a.LoadFromDatabase(r.gender, r.population, r.childTable, r.sizeRow, r.bodyType, r.selection,
                           reporter);
    } else if (r.mode == ImagerRecord::kSemiAutomatic && r.numbers.size() == 2 &&
               Within(r.numbers[0], 300.0) && Within(r.numbers[1], 500.0)) {
        a.ScaleFromStatureAndWeight(r.gender, r.population, r.childTable, r.bodyType,
                                    static_cast<float>(r.numbers[0]),
                                    static_cast<float>(r.numbers[1]));
    } else if (r.mode == ImagerRecord::kManual) {
        float lengths[kScaledSegmentCount] = {};
        for (std::size_t i = 0; i < r.numbers.size() && i < kScaledSegmentCount; ++i)
            lengths[i] = Within(r.numbers[i], 300.0) ? static_cast<float>(r.numbers[i]) : 0.0f;
        a.ScaleFromSegmentLengths(r.gender, a.stature, a.weight, lengths);
        a.ComputeStature();
    }
    figure.ChangeBody(-1, reporter);
    for (int i = 0; i < 16; ++i)
        figure.GetSegment(i)->SetGlobalAngles(r.landmarks[i]);
    figure.UpdatePosture();
}

std::unique_ptr<CMannequin> BuildImagerFigure(const ImagerRecord& r, CUserReporter& reporter) {
    const CAnthropometryContext context{reporter};
    const int childTable = r.mode == ImagerRecord::kAutomatic ? r.childTable : -1;
    auto figure = std::make_unique<CMannequin>(0, r.gender, childTable, r.sizeRow, r.bodyType,
                                               r.population, 0, 2, kSizeAutomatic, context);
    if (!figure->valid)
        return nullptr;
    ApplyImagerRecord(*figure, r, reporter);
    return figure;
}

std::string ImagerOutputPath(const std::string& path) {
    // Only the extension changes, whatever its case and whatever the folders are called.
    std::string out = path;
    if (out.size() >= 4) {
        std::string tail = out.substr(out.size() - 4);
        for (char& c : tail)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (tail == ".3di")
            out.replace(out.size() - 4, 4, ".3ds");
    }
    return out;
}
