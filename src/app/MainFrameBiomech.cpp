// The main frame's Segment Properties panel: shown, filled and closed.
#include "app/MainFrame.h"

#include "app/AppDoc.h"
#include "app/ColourSchemeSetting.h"
#include "app/SegmentPropertiesPanel.h"
#include "app/TavroApp.h"
#include "core/SceneObject.h"
#include "human/BodyPart.h"

void CMainFrame::ToggleSegmentProperties(CBodyPart* segment) {
    if (propertiesPanel) {
        CloseSegmentProperties();
        return;
    }
    propertiesPanel = new CSegmentPropertiesPanel(this);
    // Closing the panel's window (or Esc) ends it as the command does.
    connect(propertiesPanel, &QDialog::finished, this, [this] {
        QMetaObject::invokeMethod(
            this, [this] { CloseSegmentProperties(); }, Qt::QueuedConnection);
    });
    propertiesPanel->show();
    FillSegmentProperties(segment);
    UpdateCommandUI();
}

void CMainFrame::CloseSegmentProperties() {
    if (!propertiesPanel)
        return;
    CSegmentPropertiesPanel* panel = propertiesPanel;
    propertiesPanel = nullptr;
    propertiesSegmentId = 0;
    panel->disconnect(this);
    panel->close();
    panel->deleteLater();
}

void CMainFrame::FillSegmentProperties(CBodyPart* segment) {
    if (!propertiesPanel)
        return;
    propertiesSegmentId = segment ? segment->id : 0;
    propertiesPanel->ShowReadout(segment ? std::optional(ReadSegment(*segment)) : std::nullopt,
                                 settings.lengthUnit, settings.forceUnit);
}

void CMainFrame::RefreshSegmentProperties() {
    if (!propertiesPanel)
        return;
    CAppDoc* doc = ActiveDocument();
    CSceneObject* found =
        doc && propertiesSegmentId ? doc->Objects().FindId(propertiesSegmentId) : nullptr;
    FillSegmentProperties(found && found->type == kTypeBodyPart ? static_cast<CBodyPart*>(found)
                                                                : nullptr);
}

void CMainFrame::SettingsChanged() {
    // The loads are the same; only their units change.
    if (propertiesPanel)
        propertiesPanel->ShowUnits(settings.lengthUnit, settings.forceUnit);
    // Every open view shows the scheme at once, and so do the posture pictures.
    StoreColourScheme(settings.colourScheme);
    posturePictures.SetColourScheme(settings.colourScheme);
    for (CAppDoc* doc : app.DocumentList())
        doc->UpdateAllViews();
}
