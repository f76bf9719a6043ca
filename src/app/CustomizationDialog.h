#pragma once

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QRadioButton;

// What the "Anthropometry customization" dialog chose.
struct CustomizationChoice {
    int ageGroup = 0; // 0 adult, 1 child
    int bodyType = 1; // 0 thin, 1 average, 2 heavy
    int childAge = 4; // index 0..9 of ages 3..12
    int database = 0; // index 0..12; population code = index + 1
    int size = 2;     // size row 0..4
    int sex = 1;      // 0 female, 1 male
    int figure = 0;   // representation
    int sizeMode = 0; // 0 Automatic, 1 Semi Automatic, 2 Manual
    int bodyPart = 0; // body part selection 0..10

    int Gender() const { return sex; }
    int Population() const { return database + 1; }
    int ChildTable() const { return ageGroup == 1 ? childAge : -1; }
};

// "Anthropometry customization": database, sex, size or child age, body type, figure
// representation, size management and the body part to reload. Used by New Mannequin and
// Change Body.
class CCustomizationDialog : public QDialog {
    Q_OBJECT
public:
    explicit CCustomizationDialog(const CustomizationChoice& preset = {},
                                  QWidget* parent = nullptr);
    CustomizationChoice Choice() const;

    QRadioButton* adult;
    QRadioButton* child;
    QRadioButton* female;
    QRadioButton* male;
    QRadioButton* sizes[5];
    QRadioButton* bodyTypes[3];
    QComboBox* childAge;
    QComboBox* database;
    QComboBox* figure;
    QComboBox* sizeMode;
    QComboBox* bodyPart;

private:
    void FillFigures();
    void UpdateEnabling();

    QButtonGroup* ageGroup;
    QButtonGroup* sexGroup;
    QButtonGroup* sizeGroup;
    QButtonGroup* typeGroup;
};
