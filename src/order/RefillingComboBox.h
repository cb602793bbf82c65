#pragma once

#include <QComboBox>

// A drop-down that announces when its list is about to open, so its items
// can be refilled from their table first.
class RefillingComboBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    void showPopup() override
    {
        emit aboutToShowPopup();
        QComboBox::showPopup();
    }

signals:
    void aboutToShowPopup();
};
