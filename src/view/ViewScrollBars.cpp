#include "view/ViewScrollBars.h"

#include "render/GLCamera.h"
#include "view/TavroView.h"

#include <QGridLayout>
#include <QScrollBar>
#include <algorithm>
#include <utility>

namespace {

// The camera's scroll codes for the steps of a bar (the vertical codes share these values).
constexpr std::pair<int, int> kStepCodes[] = {
    {QAbstractSlider::SliderSingleStepSub, SCROLL_LINE_LEFT},
    {QAbstractSlider::SliderSingleStepAdd, SCROLL_LINE_RIGHT},
    {QAbstractSlider::SliderPageStepSub, SCROLL_PAGE_LEFT},
    {QAbstractSlider::SliderPageStepAdd, SCROLL_PAGE_RIGHT},
    {QAbstractSlider::SliderToMinimum, SCROLL_LEFT_END},
    {QAbstractSlider::SliderToMaximum, SCROLL_RIGHT_END},
};

// The bar's state in the windowing system's terms: positions run from min to max − page.
void SetBar(QScrollBar* bar, int min, int max, int page, int position, bool pannable) {
    const QSignalBlocker quiet(bar);
    if (!pannable) {
        // An empty range: a bar that cannot pan shows no thumb either.
        bar->setRange(0, 0);
        bar->setEnabled(false);
        return;
    }
    bar->setRange(min, std::max(min, max - page));
    bar->setPageStep(page);
    bar->setValue(position);
    bar->setEnabled(page < max - min);
}

} // namespace

CViewScrollBars::CViewScrollBars(CTavroView* view, QWidget* parent)
    : QWidget(parent), view(view), horizontal(new QScrollBar(Qt::Horizontal, this)),
      vertical(new QScrollBar(Qt::Vertical, this)) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    view->setParent(this);
    grid->addWidget(view, 0, 0);
    grid->addWidget(vertical, 0, 1);
    grid->addWidget(horizontal, 1, 0);
    for (QScrollBar* bar : {horizontal, vertical}) {
        bar->setObjectName(bar == horizontal ? "HorizontalScrollBar" : "VerticalScrollBar");
        bar->setEnabled(false);
        bar->setTracking(false); // a dragged thumb moves alone until it is released
        connect(bar, &QScrollBar::actionTriggered, this,
                [this, bar](int action) { OnAction(bar->orientation(), action); });
    }
    view->SetScrollBars(this);
}

void CViewScrollBars::Show(const CGLCamera& camera, bool pannable) {
    SetBar(horizontal, camera.hMin, camera.hMax, camera.hPage, camera.hPos, pannable);
    SetBar(vertical, camera.vMin, camera.vMax, camera.vPage, camera.vPos, pannable);
}

void CViewScrollBars::OnAction(Qt::Orientation orientation, int action) {
    QScrollBar* bar = orientation == Qt::Horizontal ? horizontal : vertical;
    if (action == QAbstractSlider::SliderMove) {
        // While the thumb is dragged only the thumb moves; the view follows when it is released
        // (and at once when the wheel turns over the bar).
        if (!bar->isSliderDown())
            view->Scroll(orientation, SCROLL_THUMB_POSITION, bar->sliderPosition());
        return;
    }
    for (const auto& [barAction, code] : kStepCodes)
        if (barAction == action)
            view->Scroll(orientation, code, 0);
}
