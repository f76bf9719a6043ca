#include "app/CustomizationDialog.h"

#include "human/Representation.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const char* const kDatabases[] = {"USA (1988 US Army) ",
                                  "Britain",
                                  "Germany ",
                                  "France ",
                                  "Sweden ",
                                  "Poland ",
                                  "HongKong",
                                  "India ",
                                  "Switzerland ",
                                  "Japan ",
                                  "South China ",
                                  "North Europe",
                                  "NASA STD-3000"};
const char* const kSizes[] = {"Extra Small    [2.5%]  ", "Small             [5%  ]  ",
                              "Average        [50%] ", "Large            [95%] ",
                              "Extra Large   [97.5%] "};
const char* const kBodyParts[] = {"Whole body", "Head",      "Neck", "Chest",
                                  "Upper Arm",  "Fore Arm",  "Hand", "Abdomen",
                                  "Upper Leg",  "Lower Leg", "Foot"};
// Women's figures exist in the first three representations only.
constexpr int kFemaleFigures = 3;

QGroupBox* Box(const QString& title, QWidget* parent, QLayout* layout) {
    auto* box = new QGroupBox(title, parent);
    box->setLayout(layout);
    return box;
}

} // namespace

CCustomizationDialog::CCustomizationDialog(const CustomizationChoice& preset, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle("Anthropometry customization");

    adult = new QRadioButton("Adult", this);
    child = new QRadioButton("Child (3 ... 12)", this);
    ageGroup = new QButtonGroup(this);
    ageGroup->addButton(adult, 0);
    ageGroup->addButton(child, 1);
    childAge = new QComboBox(this);
    for (int age = 3; age <= 12; ++age)
        childAge->addItem(QString::number(age));
    auto* ageLayout = new QGridLayout;
    ageLayout->addWidget(adult, 0, 0);
    ageLayout->addWidget(child, 1, 0);
    ageLayout->addWidget(childAge, 1, 1);

    female = new QRadioButton("Female", this);
    male = new QRadioButton("Male", this);
    sexGroup = new QButtonGroup(this);
    sexGroup->addButton(female, 0);
    sexGroup->addButton(male, 1);
    auto* sexLayout = new QVBoxLayout;
    sexLayout->addWidget(female);
    sexLayout->addWidget(male);
    sexLayout->addStretch(); // buttons at the top, in line with the neighbouring group's

    sizeGroup = new QButtonGroup(this);
    auto* sizeLayout = new QVBoxLayout;
    for (int i = 0; i < 5; ++i) {
        sizes[i] = new QRadioButton(kSizes[i], this);
        sizeGroup->addButton(sizes[i], i);
        sizeLayout->addWidget(sizes[i]);
    }

    typeGroup = new QButtonGroup(this);
    auto* typeLayout = new QVBoxLayout;
    const char* types[3] = {"Thin", "Average", "Heavy"};
    for (int i = 0; i < 3; ++i) {
        bodyTypes[i] = new QRadioButton(types[i], this);
        typeGroup->addButton(bodyTypes[i], i);
        typeLayout->addWidget(bodyTypes[i]);
    }
    typeLayout->addStretch();

    database = new QComboBox(this);
    for (const char* name : kDatabases)
        database->addItem(name);
    figure = new QComboBox(this);
    sizeMode = new QComboBox(this);
    sizeMode->addItems({"Automatic", "Semi Automatic", "Manual"});
    bodyPart = new QComboBox(this);
    for (const char* name : kBodyParts)
        bodyPart->addItem(name);

    auto* lists = new QFormLayout;
    lists->addRow("Database:", database);
    lists->addRow("Figure:", figure);
    lists->addRow("Size management:", sizeMode);
    lists->addRow("Body part:", bodyPart);

    auto* grid = new QGridLayout;
    grid->addWidget(Box("Age", this, ageLayout), 0, 0);
    grid->addWidget(Box("Sex", this, sexLayout), 0, 1);
    grid->addWidget(Box("Size", this, sizeLayout), 1, 0);
    grid->addWidget(Box("Body type", this, typeLayout), 1, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(grid);
    layout->addWidget(buttons);

    // Presets.
    (preset.ageGroup == 1 ? child : adult)->setChecked(true);
    (preset.sex == 0 ? female : male)->setChecked(true);
    sizes[std::clamp(preset.size, 0, 4)]->setChecked(true);
    bodyTypes[std::clamp(preset.bodyType, 0, 2)]->setChecked(true);
    childAge->setCurrentIndex(std::clamp(preset.childAge, 0, 9));
    database->setCurrentIndex(std::clamp(preset.database, 0, 12));
    sizeMode->setCurrentIndex(std::clamp(preset.sizeMode, 0, 2));
    bodyPart->setCurrentIndex(std::clamp(preset.bodyPart, 0, 10));
    FillFigures();
    if (preset.figure < figure->count())
        figure->setCurrentIndex(preset.figure);

    connect(ageGroup, &QButtonGroup::idClicked, this, [this] { UpdateEnabling(); });
    connect(sexGroup, &QButtonGroup::idClicked, this, [this] {
        FillFigures();
        UpdateEnabling();
    });
    connect(sizeMode, &QComboBox::currentIndexChanged, this, [this] { UpdateEnabling(); });
    UpdateEnabling();
}

void CCustomizationDialog::FillFigures() {
    const int count = male->isChecked() ? kRepresentationCount : kFemaleFigures;
    if (figure->count() == count)
        return;
    figure->clear();
    for (int i = 0; i < count; ++i)
        figure->addItem(RepresentationName(i));
    figure->setCurrentIndex(0);
}

void CCustomizationDialog::UpdateEnabling() {
    // Children are male; a size typed in or set segment by segment does not come from a
    // database row, so the database choices are off outside Automatic.
    const bool automatic = sizeMode->currentIndex() == 0;
    const bool isChild = child->isChecked();
    female->setEnabled(!isChild);
    child->setEnabled(male->isChecked() && automatic);
    adult->setEnabled(automatic);
    childAge->setEnabled(isChild && male->isChecked() && automatic);
    database->setEnabled(automatic);
    bodyPart->setEnabled(automatic);
    for (QRadioButton* b : sizes)
        b->setEnabled(automatic);
    for (QRadioButton* b : bodyTypes)
        b->setEnabled(automatic);
}

CustomizationChoice CCustomizationDialog::Choice() const {
    CustomizationChoice c;
    c.ageGroup = ageGroup->checkedId();
    c.bodyType = typeGroup->checkedId();
    c.childAge = childAge->currentIndex();
    c.database = database->currentIndex();
    c.size = sizeGroup->checkedId();
    c.sex = sexGroup->checkedId();
    c.figure = figure->currentIndex();
    c.sizeMode = sizeMode->currentIndex();
    c.bodyPart = bodyPart->currentIndex();
    return c;
}
