#include "GuiTestSupport.h"

#include "../support/SkinTone.h"

#include "app/ColourSchemeSetting.h"
#include "app/MainFrame.h"
#include "app/PostureDialogs.h"
#include "app/PosturePictures.h"
#include "core/GlobalSettings.h"
#include "view/CommandIds.h"
#include "view/PreferencesDialog.h"
#include "view/TavroView.h"

#include <QComboBox>
#include <QSettings>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// Skin-toned pixels inside a patch of skin (their eight neighbours skin too). A smoothed edge
// between two palette colours, or between one and the white background, may blend into a skin
// tone for a pixel's width, never over a patch.
int SkinPixels(const QImage& image) {
    const auto skin = [&image](int x, int y) {
        const QRgb c = image.pixel(x, y);
        return IsSkinTone(qRed(c), qGreen(c), qBlue(c));
    };
    int count = 0;
    for (int y = 1; y + 1 < image.height(); ++y)
        for (int x = 1; x + 1 < image.width(); ++x) {
            bool patch = true;
            for (int dy = -1; dy <= 1 && patch; ++dy)
                for (int dx = -1; dx <= 1 && patch; ++dx)
                    patch = skin(x + dx, y + dy);
            count += patch;
        }
    return count;
}

// The scheme is a stored preference: every test here starts and ends with none stored.
struct ColourSchemeFixture : ViewFixture {
    void SetUp() override {
        QSettings().remove(kColourSchemeSettingKey);
        ViewFixture::SetUp();
    }
    void TearDown() override {
        app.reset();
        QSettings().remove(kColourSchemeSettingKey);
    }
};

TEST_F(ColourSchemeFixture, PreferencesSwitchTheOpenViewToNaturalAndTheChoiceIsKept) {
    if (!HaveMeshes())
        GTEST_SKIP() << "body meshes are not in the data directory";
    EXPECT_EQ(frame->Settings().colourScheme, COLOURS_PALETTE);
    AddFigure(doc, frame);
    frame->RunCommand(ID_RENDER_SHADED);
    frame->RunCommand(ID_ZOOM_EXTENTS);
    Pump(100);
    const QImage palette = view->Picture();
    EXPECT_EQ(SkinPixels(palette), 0);

    WhenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<CPreferencesDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        ASSERT_EQ(dialog->colourScheme->count(), 2);
        EXPECT_EQ(dialog->colourScheme->currentText(), "Palette");
        dialog->colourScheme->setCurrentIndex(1);
        EXPECT_EQ(dialog->colourScheme->currentText(), "Natural");
        Screenshot(dialog, "preferences-colour-scheme");
        dialog->accept();
    });
    frame->RunCommand(ID_VIEW_PREFERENCES);
    Pump(100);
    Screenshot(frame, "natural-main-window");
    const QImage natural = view->Picture();
    // Head, neck, forearms and hands: a good share of the figure's pixels.
    EXPECT_GT(SkinPixels(natural), 500);
    EXPECT_EQ(QSettings().value(kColourSchemeSettingKey).toString(), "natural");

    // The posture pictures follow, kept apart from the palette's.
    CPosturePictures paletteSet;
    CPosturePictures& naturalSet = frame->PosturePictures();
    EXPECT_NE(naturalSet.CacheFile(CPosturePictures::kHand, 3),
              paletteSet.CacheFile(CPosturePictures::kHand, 3));
    EXPECT_GT(SkinPixels(naturalSet.Picture(CPosturePictures::kHand, 3).toImage()), 200);
    EXPECT_EQ(SkinPixels(paletteSet.Picture(CPosturePictures::kHand, 3).toImage()), 0);
    CBodyPostureDialog postures(naturalSet);
    postures.show();
    Pump(50);
    Screenshot(&postures, "natural-body-postures");
    EXPECT_GT(SkinPixels(postures.Button(1)->icon().pixmap(CPosturePictures::kBodySize).toImage()),
              20);

    CHandPostureDialog hands(naturalSet);
    hands.show();
    Pump(50);
    Screenshot(&hands, "natural-hand-postures");

    // The next run starts with it: the demo scene comes up in natural tones.
    app.reset();
    AnswerMessageBoxesFor([&] {
        app = std::make_unique<CTavroApp>();
        app->InitInstance({}, true);
    });
    frame = app->MainFrame();
    EXPECT_EQ(frame->Settings().colourScheme, COLOURS_NATURAL);
    frame->resize(1280, 900);
    Pump(300);
    Screenshot(frame, "natural-demo-scene");
    EXPECT_GT(SkinPixels(frame->ActiveView()->Picture()), 1000);
    CPreferencesDialog again(1.0, frame->Settings());
    EXPECT_EQ(again.colourScheme->currentText(), "Natural");
}

TEST_F(ColourSchemeFixture, AnUnknownStoredSchemeGivesThePalette) {
    app.reset();
    QSettings().setValue(kColourSchemeSettingKey, "sepia");
    app = StartApp();
    EXPECT_EQ(app->MainFrame()->Settings().colourScheme, COLOURS_PALETTE);
}

} // namespace
