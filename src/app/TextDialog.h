#pragma once

#include <QDialog>
#include <string>

class QLineEdit;

// "Type the text to create :": the text of a new 3D text and its font.
class CTextDialog : public QDialog {
    Q_OBJECT
public:
    explicit CTextDialog(QWidget* parent = nullptr);
    std::string Text() const;
    std::string FontName() const { return fontName; }
    int Size() const { return size; } // tenths of a point
    QLineEdit* field;

private:
    void ChooseFont();

    std::string fontName = "Arial";
    int size = 10;
};
