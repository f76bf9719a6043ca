#pragma once

#include <QDialog>
#include <vector>

class CPosturePictures;
class QButtonGroup;
class QGroupBox;
class QRadioButton;
class QToolButton;

// "Body Postures": a picture button per standard posture, the facing of a new figure, and
// "Saved Postures", which closes the dialog with kLoadFromFile so that the caller asks for a
// posture file.
class CBodyPostureDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kLoadFromFile = 1021;
    static constexpr int kWheelchairPosture = 38;

    // hideWheelchair: the seated wheelchair figure is not offered (children, figures other than
    // Human, and sizes without a wheelchair model).
    CBodyPostureDialog(CPosturePictures& pictures, int posture = 1, int facing = 2,
                       bool hideWheelchair = false, QWidget* parent = nullptr);
    int Posture() const { return posture; }
    int Facing() const;
    QToolButton* Button(int posture) const { return buttons[posture - 1]; }
    QRadioButton* facings[4];

    void SelectPosture(int index);
    // Apply New Posture keeps the figure's placement: the facing choice is not offered.
    void DisableFacing();

private:
    std::vector<QToolButton*> buttons;
    QButtonGroup* facingGroup;
    QGroupBox* facingBox;
    int posture;
};

// "Hand Postures": nine picture buttons and the hand they are applied to.
class CHandPostureDialog : public QDialog {
    Q_OBJECT
public:
    CHandPostureDialog(CPosturePictures& pictures, int posture = 1, int hand = 2,
                       QWidget* parent = nullptr);
    int Posture() const { return posture; }
    // 0 left, 1 right, 2 both hands.
    int Hand() const;
    QToolButton* Button(int posture) const { return buttons[posture - 1]; }
    QRadioButton* hands[3];

    void SelectPosture(int index);

private:
    std::vector<QToolButton*> buttons;
    QButtonGroup* handGroup;
    int posture;
};
