#include "cli/Commands.h"

#include "cli/JsonWriter.h"
#include "core/GlobalSettings.h"
#include "core/SceneObject.h"
#include "core/UserReporter.h"
#include "document/DocumentViews.h"
#include "document/SceneClipboard.h"
#include "document/SceneFileWriter.h"
#include "document/TavroDoc.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

// A progress line on stderr, rewritten in place, when stderr is a terminal.
class TerminalProgress : public CExchangeProgress {
public:
    explicit TerminalProgress(std::string title) : title(std::move(title)) {}
    ~TerminalProgress() override {
        if (shown)
            std::fprintf(stderr, "\n");
    }
    void SetPhase(const std::string& caption) override {
        phase = caption;
        Show();
    }
    bool Update(int value) override {
        if (value != percent) {
            percent = value;
            Show();
        }
        return false;
    }

private:
    void Show() {
        std::fprintf(stderr, "\r%s: %-32s %3d%%", title.c_str(), phase.c_str(), percent);
        std::fflush(stderr);
        shown = true;
    }

    std::string title, phase;
    int percent = 0;
    bool shown = false;
};

// The document's surroundings in a command-line run: no views, the units of --units, a
// progress line on a terminal.
class CommandLineViews : public CDocumentViews {
public:
    void RedrawAllViews() override {}
    int ActiveViewMode() const override { return 0; }
    void SetActiveViewMode(int) override {}
    bool ChooseOpenFile(const std::string&, const std::string&, std::string&) override {
        return false;
    }
    bool ChooseSaveFile(const std::string&, const std::string&, std::string&) override {
        return false;
    }
    void AddToRecentFiles(const std::string&) override {}
    bool ChooseImportUnits(int& code) override {
        code = unitCode;
        return true;
    }
    std::unique_ptr<CExchangeProgress> BeginProgress(const std::string& title) override {
        if (!isatty(STDERR_FILENO))
            return nullptr;
        return std::make_unique<TerminalProgress>(title);
    }

    int unitCode = 0;
};

struct CommandLineDocument {
    CommandLineViews views;
    CStderrReporter reporter{false};
    CSceneClipboard clipboard;
    CGlobalSettings settings;
    CTavroDoc doc{views, reporter, clipboard, settings};
};

std::string Extension(const std::string& path) {
    const auto dot = path.find_last_of('.');
    std::string extension = dot == std::string::npos ? "" : path.substr(dot);
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

constexpr const char* kUnitNames[] = {"in", "ft", "mm", "cm", "m"};

int UnitCode(const std::string& name) {
    for (int i = 0; i < 5; ++i)
        if (name == kUnitNames[i] || name == std::to_string(i))
            return i;
    return -1;
}

void PrintSummary(const char* input, const std::string& output, const CTavroDoc& doc) {
    CJsonWriter json;
    json.BeginObject();
    json.String("input", input);
    json.String("output", output);
    int count = 0;
    for (const CSceneObject* o : doc.Objects())
        count += o->parent == nullptr;
    json.Integer("objects", count);
    json.EndObject();
    std::fputs(json.Text().c_str(), stdout);
}

// Reads "-o OUT" and "--units U" after the input; false with a message on anything else.
bool ParseOptions(int argc, char** argv, bool units, std::string& output, int& unitCode) {
    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) {
            std::fprintf(stderr, "Missing value of %s\n", option.c_str());
            return false;
        }
        const std::string value = argv[++i];
        if (option == "-o") {
            output = value;
        } else if (units && option == "--units" && UnitCode(value) >= 0) {
            unitCode = UnitCode(value);
        } else {
            std::fprintf(stderr, "Bad option: %s %s\n", option.c_str(), value.c_str());
            return false;
        }
    }
    if (output.empty())
        std::fprintf(stderr, "Missing -o OUT\n");
    return !output.empty();
}

const char* const kExportHelp =
    "usage: tavrona-cli export SCENE.tvr -o OUT.dxf|OUT.3ds|OUT.glb\n"
    "Writes the scene's geometry as ASCII DXF, 3D Studio or binary glTF 2.0 (metres, +y up),\n"
    "chosen by the output's extension.\n";

const char* const kImportHelp =
    "usage: tavrona-cli import IN.dxf|IN.3ds|IN.3di -o OUT.tvr [--units in|ft|mm|cm|m]\n"
    "Reads a DXF or 3DS drawing in the given units (inches by default) into a new scene file.\n"
    "A .3di body imager file becomes a figure, and its meshes are also written as the .3ds\n"
    "file beside the input.\n";

} // namespace

int RunExportCommand(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(kExportHelp, stdout);
        return 0;
    }
    std::string output;
    int unused = 0;
    if (argc < 2 || !ParseOptions(argc, argv, false, output, unused)) {
        std::fputs(kExportHelp, stderr);
        return 2;
    }
    const std::string extension = Extension(output);
    if (extension != ".dxf" && extension != ".3ds" && extension != ".glb") {
        std::fprintf(stderr, "The output must end in .dxf, .3ds or .glb: %s\n", output.c_str());
        return 2;
    }
    CommandLineDocument d;
    if (!d.doc.ImportTvr(argv[1]))
        return 1;
    int written = 0;
    if (extension == ".dxf")
        written = d.doc.ExportDxf(output);
    else if (extension == ".3ds")
        written = d.doc.Export3ds(output);
    else
        written = d.doc.ExportGlb(output);
    if (!written) {
        std::fprintf(stderr, "Failed to write %s\n", output.c_str());
        return 1;
    }
    PrintSummary(argv[1], output, d.doc);
    return 0;
}

int RunImportCommand(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(kImportHelp, stdout);
        return 0;
    }
    std::string output;
    CommandLineDocument d;
    if (argc < 2 || !ParseOptions(argc, argv, true, output, d.views.unitCode)) {
        std::fputs(kImportHelp, stderr);
        return 2;
    }
    const std::string input = argv[1], extension = Extension(input);
    int read = 0;
    if (extension == ".3di")
        read = d.doc.ConvertImagerFile(input);
    else if (extension == ".3ds")
        read = d.doc.Import3ds(input, d.views.unitCode);
    else
        read = d.doc.ImportDxf(input, d.views.unitCode);
    if (extension == ".3ds" && !read)
        std::fprintf(stderr, "Cannot read 3DS file: %s\n", input.c_str());
    if (!read)
        return 1;
    if (!WriteSceneFile(output, d.doc.Objects())) {
        std::fprintf(stderr, "Failed to save file. (%s)\n", output.c_str());
        return 1;
    }
    PrintSummary(input.c_str(), output, d.doc);
    return 0;
}
