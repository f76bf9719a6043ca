// The File menu's exchange commands in the running program: Import DXF with its file and units
// dialogs, Cancel in its progress dialog, Export DXF, and opening a body imager file.
#include "GuiTestSupport.h"

#include "app/AppDoc.h"
#include "app/ExchangeDialogs.h"
#include "app/MainFrame.h"
#include "core/SceneObject.h"
#include "document/TavroDoc.h"
#include "io/DxfImport.h"
#include "view/CommandIds.h"
#include "view/TavroView.h"

#include <QMdiArea>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

void AcceptFileDialogWith(const QString& path, std::function<void(QWidget*)> then = nullptr) {
    WhenModal([path, then](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        if (then)
            WhenModal(then);
        QTimer::singleShot(100, dialog, [dialog, path] {
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            name->setText(path);
            QTest::keyClick(name, Qt::Key_Return);
        });
    });
}

// A DXF file of `count` lines of 25.4 drawing units in a row along x.
void WriteLines(const QString& path, int count) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0\nSECTION\n2\nENTITIES\n");
    for (int i = 0; i < count; ++i)
        file.write(QString("0\nLINE\n8\nRAIL\n62\n1\n10\n%1\n20\n0\n11\n%2\n21\n0\n")
                       .arg(i * 30.0)
                       .arg(i * 30.0 + 25.4)
                       .toLatin1());
    file.write("0\nENDSEC\n0\nEOF\n");
}

std::size_t TopLevelCount(CAppDoc* doc) {
    std::size_t n = 0;
    for (const CSceneObject* o : doc->Objects())
        n += o->parent == nullptr;
    return n;
}

} // namespace

TEST_F(ViewFixture, FileExchangeImportDxfAsksForFileAndUnitsAndCancelLeavesTheScene) {
    for (int id : {ID_FILE_IMPORT_DXF, ID_FILE_EXPORT_DXF, ID_FILE_IMPORT_3DS, ID_FILE_EXPORT_3DS})
        EXPECT_TRUE(frame->Action(id)->isEnabled()) << id;
    QTemporaryDir folder;
    const QString small = folder.filePath("rail.dxf");
    WriteLines(small, 10);

    AcceptFileDialogWith(small, [](QWidget* units) {
        auto* dialog = qobject_cast<CUnitsDialog*>(units);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Set Units");
        EXPECT_EQ(dialog->UnitCode(), -1); // none chosen at first
        dialog->SetUnitCode(2);            // millimetres
        dialog->accept();
    });
    frame->RunCommand(ID_FILE_IMPORT_DXF);
    Pump(100);
    ASSERT_EQ(TopLevelCount(doc), 10u);
    BoundingBox box;
    for (const CSceneObject* o : doc->Objects())
        o->CollectBounds(box);
    EXPECT_NEAR(box.max.x - box.min.x, (9 * 30.0 + 25.4) / 25.4, 1e-9); // in inches
    EXPECT_TRUE(doc->IsModified());
    view->RequestZoomExtents();
    Pump(100);
    Screenshot(frame, "import-dxf");

    // A large file: Cancel in the progress dialog leaves the scene as it was.
    const QString large = folder.filePath("large.dxf");
    WriteLines(large, 200000);
    const std::size_t undoDepth = doc->Model().UndoDepth();
    bool sawProgress = false;
    WhenModal([&sawProgress](QWidget* modal) {
        auto* progress = qobject_cast<QProgressDialog*>(modal);
        ASSERT_NE(progress, nullptr);
        EXPECT_EQ(progress->windowTitle(), "DXF");
        sawProgress = true;
        Screenshot(progress, "import-dxf-progress");
        progress->cancel();
    });
    doc->Model().ImportDxf(large.toStdString(), 0);
    EXPECT_TRUE(sawProgress);
    EXPECT_EQ(TopLevelCount(doc), 10u);
    EXPECT_EQ(doc->Model().UndoDepth(), undoDepth);

    // Export DXF writes what our own reader takes back.
    const QString exported = folder.filePath("out.dxf");
    AcceptFileDialogWith(exported);
    frame->RunCommand(ID_FILE_EXPORT_DXF);
    Pump(50);
    std::vector<std::unique_ptr<CSceneObject>> back;
    CStderrReporter reporter;
    EXPECT_EQ(ReadDxfFile(exported.toStdString(), back, reporter, nullptr), kExchangeDone);
    EXPECT_EQ(back.size(), 10u);
}

TEST_F(ViewFixture, FileExchangeOpeningABodyImagerFileWritesThreeDsAndNoWindow) {
    if (!HaveMeshes())
        GTEST_SKIP() << "no body meshes";
    QTemporaryDir folder;
    const QString path = folder.filePath("scan.3di");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1 automatic USA 50 average WHOLE adult");
    for (int i = 0; i < 16; ++i)
        file.write(" 0 , 0 , 0");
    file.close();
    const int windows = frame->MdiArea()->subWindowList().size();
    EXPECT_EQ(app->OpenDocument(path), nullptr);
    EXPECT_TRUE(QFile::exists(folder.filePath("scan.3ds")));
    EXPECT_EQ(frame->MdiArea()->subWindowList().size(), windows);
}
