#pragma once

#include <QPixmap>
#include <QString>
#include <map>

// Pictures of the standard body postures and of the hand postures, rendered off screen from the
// posture data on a reference figure. They are made once per data set and kept in memory and in
// the user's cache folder, so dialogs open at once.
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

private:
    void RenderAll(Kind kind);
    QString CacheFile(Kind kind, int index) const;

    mutable QString dataKey;         // names the cache folder; made at the first use
    std::map<int, QPixmap> pictures; // key kind * 100 + index
    bool rendered[2] = {false, false};
};
