#pragma once

#include "io/ExchangeProgress.h"

#include <memory>
#include <string>

// What a document asks of the user interface that shows it: redraws, the interaction mode of
// the active view, file dialogs and the recent-file list. The desktop program implements it
// with its views and Qt dialogs; tests and the command-line tool record or answer the calls.
class CDocumentViews {
public:
    virtual ~CDocumentViews() = default;

    // Every view of the document redraws (no hint).
    virtual void RedrawAllViews() = 0;
    // Interaction mode of the active view (ViewMode); MODE_SELECT when there is no view.
    virtual int ActiveViewMode() const = 0;
    virtual void SetActiveViewMode(int mode) = 0;

    // A file dialog. `filter` is the pattern list ("TVR Files (*.tvr)|*.tvr||"), `pattern` the
    // default extension and initial name ("*.tvr"); save dialogs prompt before overwriting.
    // Returns false when the user cancels, otherwise the chosen path.
    virtual bool ChooseOpenFile(const std::string& filter, const std::string& pattern,
                                std::string& path) = 0;
    virtual bool ChooseSaveFile(const std::string& filter, const std::string& pattern,
                                std::string& path) = 0;
    virtual void AddToRecentFiles(const std::string& path) = 0;

    // The "Set Units" dialog of the DXF and 3DS imports: false when the user cancels, else the
    // unit code (0 inches, 1 feet, 2 millimetres, 3 centimetres, 4 metres). Without a dialog
    // the drawing is taken in inches.
    virtual bool ChooseImportUnits(int& unitCode) {
        unitCode = 0;
        return true;
    }
    // The progress display of a long file exchange, captioned `title` ("DXF"), shown until the
    // returned object goes; null for none.
    virtual std::unique_ptr<CExchangeProgress> BeginProgress(const std::string& title) {
        return nullptr;
    }
};

// File dialog filters of the document's commands.
inline constexpr const char* kFilterTvr = "TVR Files (*.tvr)|*.tvr||";
inline constexpr const char* kFilterDxf = "DXF Files (*.dxf)|*.dxf||";
inline constexpr const char* kFilter3ds = "3DS Files (*.3ds)|*.3ds||";
inline constexpr const char* kFilterGlb = "glTF Binary Files (*.glb)|*.glb||";
inline constexpr const char* kFilterPos = "Position Files (*.pos)|*.pos||";
inline constexpr const char* kFilterAvi = "AVI Files (*.avi)|*.avi||";
