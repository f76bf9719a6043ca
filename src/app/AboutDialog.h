#pragma once

#include <QDialog>

class CStaticLink;

// "About Tavrona": the program icon, version and build, and the maker's web address.
class CAboutDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kVersionText = "Tavrona Version 9.0 build 262 (2003-11-06)";
    static constexpr const char* kWebAddress = "https://www.quillonworks.com/";

    explicit CAboutDialog(QWidget* parent = nullptr);
    CStaticLink* Link() const { return link; }

private:
    CStaticLink* link;
};
