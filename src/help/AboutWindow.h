#pragma once

#include <QDialog>

// The small "关于" window: product title, version and what the program is for.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);
};

// Shows the about window modally over `parent`.
void ShowAboutWindow(QWidget* parent);
