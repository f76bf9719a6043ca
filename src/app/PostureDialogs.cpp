#include "app/PostureDialogs.h"

#include "app/PosturePictures.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The selected picture stands out with a raised frame; the others are flat.
void MarkSelected(std::vector<QToolButton*>& buttons, int index) {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const bool selected = static_cast<int>(i) + 1 == index;
        buttons[i]->setChecked(selected);
        buttons[i]->setAutoRaise(!selected);
    }
}

QToolButton* PictureButton(QWidget* parent, const QPixmap& picture, const QString& name) {
    auto* button = new QToolButton(parent);
    button->setIcon(QIcon(picture));
    button->setIconSize(picture.size());
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setToolTip(name);
    button->setStyleSheet("QToolButton:checked { border: 2px solid #2f7dd1; "
                          "border-radius: 3px; background: #e3eefa; }");
    return button;
}

} // namespace

CBodyPostureDialog::CBodyPostureDialog(CPosturePictures& pictures, int posture, int facing,
                                       bool hideWheelchair, QWidget* parent)
    : QDialog(parent), posture(posture) {
    setWindowTitle("Body Postures");
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    constexpr int kColumns = 10;
    for (int i = 1; i <= CPosturePictures::kBodyPostureCount; ++i) {
        QToolButton* button = PictureButton(this, pictures.Picture(CPosturePictures::kBody, i),
                                            CPosturePictures::Name(CPosturePictures::kBody, i));
        button->setObjectName(QString("Posture%1").arg(i));
        connect(button, &QToolButton::clicked, this, [this, i] { SelectPosture(i); });
        connect(button, &QToolButton::pressed, this, [this, i] { SelectPosture(i); });
        grid->addWidget(button, (i - 1) / kColumns, (i - 1) % kColumns);
        buttons.push_back(button);
    }
    QApplication::restoreOverrideCursor();
    if (hideWheelchair) {
        Button(kWheelchairPosture)->hide();
        if (this->posture == kWheelchairPosture)
            this->posture = 1;
    }

    facingBox = new QGroupBox("Facing:", this);
    auto* facingLayout = new QHBoxLayout(facingBox);
    facingGroup = new QButtonGroup(this);
    const char* names[4] = {"Left", "Right", "Front", "Back"};
    for (int i = 0; i < 4; ++i) {
        facings[i] = new QRadioButton(names[i], facingBox);
        facingGroup->addButton(facings[i], i);
        facingLayout->addWidget(facings[i]);
    }
    facings[facing >= 0 && facing < 4 ? facing : 2]->setChecked(true);

    auto* saved = new QPushButton("Saved Postures", this);
    saved->setAutoDefault(false);
    connect(saved, &QPushButton::clicked, this, [this] { done(kLoadFromFile); });
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    box->addButton(saved, QDialogButtonBox::ActionRole);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(facingBox);
    bottom->addStretch();
    bottom->addWidget(box);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(bottom);
    SelectPosture(this->posture);
}

void CBodyPostureDialog::DisableFacing() {
    facingBox->setEnabled(false);
}

void CBodyPostureDialog::SelectPosture(int index) {
    if (index < 1 || index > CPosturePictures::kBodyPostureCount || Button(index)->isHidden())
        return;
    posture = index;
    MarkSelected(buttons, index);
}

int CBodyPostureDialog::Facing() const {
    return facingGroup->checkedId();
}

CHandPostureDialog::CHandPostureDialog(CPosturePictures& pictures, int posture, int hand,
                                       QWidget* parent)
    : QDialog(parent), posture(posture) {
    setWindowTitle("Hand Postures");
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    for (int i = 1; i <= CPosturePictures::kHandPostureCount; ++i) {
        QToolButton* button = PictureButton(this, pictures.Picture(CPosturePictures::kHand, i),
                                            CPosturePictures::Name(CPosturePictures::kHand, i));
        button->setObjectName(QString("Hand%1").arg(i));
        connect(button, &QToolButton::clicked, this, [this, i] { SelectPosture(i); });
        connect(button, &QToolButton::pressed, this, [this, i] { SelectPosture(i); });
        grid->addWidget(button, (i - 1) / 3, (i - 1) % 3);
        buttons.push_back(button);
    }
    QApplication::restoreOverrideCursor();

    auto* handBox = new QGroupBox(this);
    auto* handLayout = new QVBoxLayout(handBox);
    handGroup = new QButtonGroup(this);
    const char* names[3] = {"Left Hand", "Right Hand", "Both Hands"};
    for (int i = 0; i < 3; ++i) {
        hands[i] = new QRadioButton(names[i], handBox);
        handGroup->addButton(hands[i], i);
        handLayout->addWidget(hands[i]);
    }
    hands[hand >= 0 && hand < 3 ? hand : 2]->setChecked(true);
    auto* box =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* side = new QVBoxLayout;
    side->addWidget(handBox);
    side->addStretch();
    side->addWidget(box);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(side);
    SelectPosture(posture);
}

void CHandPostureDialog::SelectPosture(int index) {
    if (index < 1 || index > CPosturePictures::kHandPostureCount)
        return;
    posture = index;
    MarkSelected(buttons, index);
}

int CHandPostureDialog::Hand() const {
    return handGroup->checkedId();
}
