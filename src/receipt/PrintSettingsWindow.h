#pragma once

#include <QByteArray>
#include <QDialog>
#include <QVector>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class SettingsStore;

// 打印设置: paper type, settings mode, extra lines, pictures, section fonts and
// copies. Nothing is saved before 应用设置 or 确认.
class PrintSettingsWindow final : public QDialog {
    Q_OBJECT
public:
    // `refreshPreview` runs after every apply that passed the checks.
    PrintSettingsWindow(SettingsStore& settings, std::function<void()> refreshPreview,
                        QWidget* parent = nullptr);

    // 应用设置; false when an entry failed its check.
    bool ApplySettings();
    // 确认: applies and closes when the entries pass.
    void ConfirmSettings();

private:
    struct PictureRow {
        QCheckBox* enabled;
        QLineEdit* path;
        QPushButton* choose;
        QLabel* box;
        QByteArray chosenBytes; // the newly chosen file, written on apply
        QString file;           // data/stp.png or data/xtp.png
        QByteArray defaultBytes;
    };

    void buildSettingsPage(QWidget* page);
    void buildFontPage(QWidget* page);
    void LoadSettings();
    void showPicture(PictureRow& row, const QByteArray& bytes);
    void ChoosePicture(PictureRow& row);
    void SetCustomControlsEnabled(bool enabled);
    bool CheckEntries();
    void SaveSettings();

    SettingsStore& m_settings;
    std::function<void()> m_refreshPreview;
    QComboBox* m_paperType;
    QComboBox* m_mode;
    QTabWidget* m_tabs;
    QCheckBox* m_extra1Enabled;
    QLineEdit* m_extra1;
    QCheckBox* m_extra2Enabled;
    QLineEdit* m_extra2;
    PictureRow m_top{};
    PictureRow m_bottom{};
    QVector<QLineEdit*> m_sizes;
    QVector<QCheckBox*> m_bolds;
    QLineEdit* m_copies;
};
