#pragma once

#include "core/ColourScheme.h"

#include <QPixmap>
#include <QString>
#include <map>

// Pictures of the standard body postures and of the hand postures, rendered off screen from the
// posture data on a reference figure in the chosen colour scheme. They are made once per data
// set and scheme and kept in memory and in the user's cache folder, so dialogs open at once.
class CPosturePictures {
public:
    enum Kind { kBody = 0, kHand = 1 };
    static constexpr int kBodyPostureCount = 38;
    static constexpr int kHandPostureCount = 9;
    static constexpr QSize kBodySize{84, 112};
    static constexpr QSize kHandSize{84, 84};

    // Picture of posture `index` (1-based); a numbered placeholder when it cannot be rendered.
    QPixmap Picture(Kind kind, int index);
    // Name shown as the picture's tooltip.
    static QString Name(Kind kind, int index);
    // The scheme of the pictures handed out from now on (palette by default).
    void SetColourScheme(int scheme);
    // Where the picture of posture `index` is kept between runs, for the current scheme.
    QString CacheFile(Kind kind, int index) const;

private:
    void RenderAll(Kind kind);
    int MemoryKey(Kind kind, int index) const { return (scheme * 2 + kind) * 100 + index; }

    ColourScheme scheme = COLOURS_PALETTE;
    mutable QString dataKey;         // names the cache folder with the scheme; made at first use
    std::map<int, QPixmap> pictures; // by MemoryKey
    bool rendered[kColourSchemeCount][2] = {};
};
