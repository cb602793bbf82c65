#include "receipt/PrintSettingsWindow.h"

#include "app/AppPaths.h"
#include "common/Dialogs.h"
#include "common/FileBytes.h"
#include "common/Numbers.h"
#include "receipt/DefaultPictures.h"
#include "receipt/PngImage.h"
#include "receipt/PrintSettingsRules.h"
#include "receipt/ReceiptStyle.h"
#include "storage/SettingsStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTabWidget>

namespace {

constexpr int kLargestAdvisedPicture = 430;

const char16_t* const kSectionLabels[kSectionCount] = {
    u"票头：", u"店铺名称：", u"支付方式：", u"下单时间：", u"表单标题：", u"表单内容：",
    u"合计：", u"减免标题：", u"减免内容：", u"已支付：", u"桌号送餐信息："};

template<typename W> W* place(W* widget, const QString& name, int x, int y, int width = -1)
{
    if (!name.isEmpty())
        widget->setObjectName(name);
    widget->move(x, y);
    if (width > 0)
        widget->resize(width, widget->sizeHint().height());
    return widget;
}

QLabel* label(QWidget* parent, const QString& text, int x, int y)
{
    auto* l = new QLabel(text, parent);
    l->move(x, y + 3);
    return l;
}

QString flagText(const QCheckBox* box) { return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0"); }

} // namespace

PrintSettingsWindow::PrintSettingsWindow(SettingsStore& settings, std::function<void()> refreshPreview,
                                         QWidget* parent)
    : QDialog(parent), m_settings(settings), m_refreshPreview(std::move(refreshPreview))
{
    setWindowTitle(QStringLiteral("打印设置"));
    setFixedSize(331, 517);

    label(this, QStringLiteral("小票类型："), 8, 8);
    m_paperType = place(new QComboBox(this), QStringLiteral("组合框_小票类型"), 80, 8, 100);
    m_paperType->addItems({QStringLiteral("58小票"), QStringLiteral("80小票")});
    m_mode = place(new QComboBox(this), QStringLiteral("组合框_设置类型"), 200, 8, 100);
    m_mode->addItems({QStringLiteral("默认设置"), QStringLiteral("自定义")});

    m_tabs = place(new QTabWidget(this), QStringLiteral("选择夹1"), 6, 41);
    m_tabs->resize(312, 409);
    auto* settingsPage = new QWidget;
    auto* fontPage = new QWidget;
    m_tabs->addTab(settingsPage, QStringLiteral("设置"));
    m_tabs->addTab(fontPage, QStringLiteral("字体设置"));
    buildSettingsPage(settingsPage);
    buildFontPage(fontPage);

    label(this, QStringLiteral("小票打印份数："), 8, 455);
    m_copies = place(new QLineEdit(QStringLiteral("1"), this), QStringLiteral("编辑框份数"), 104, 455, 40);
    auto* apply = place(new QPushButton(QStringLiteral("应用设置"), this), QStringLiteral("按钮2"), 160, 456, 80);
    auto* confirm = place(new QPushButton(QStringLiteral("确认"), this), QStringLiteral("按钮1"), 248, 456, 72);
    apply->setAutoDefault(false);
    confirm->setAutoDefault(false);

    connect(m_mode, &QComboBox::currentIndexChanged, this,
            [this](int index) { SetCustomControlsEnabled(index != 0); });
    connect(m_copies, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (textToInt(text) <= 0)
            m_copies->setText(QStringLiteral("1"));
    });
    connect(apply, &QPushButton::clicked, this, [this] { ApplySettings(); });
    connect(confirm, &QPushButton::clicked, this, &PrintSettingsWindow::ConfirmSettings);

    LoadSettings();
}

void PrintSettingsWindow::buildSettingsPage(QWidget* page)
{
    m_extra1Enabled = place(new QCheckBox(QStringLiteral("打印附带信息1："), page), QStringLiteral("选择框1"), 8, 32);
    m_extra1 = place(new QLineEdit(QStringLiteral("订餐电话:1305526****"), page), QStringLiteral("编辑框1"), 136, 32, 168);
    m_extra2Enabled = place(new QCheckBox(QStringLiteral("打印附带信息2："), page), QStringLiteral("选择框2"), 8, 64);
    m_extra2 = place(new QLineEdit(QStringLiteral("订餐微信号:wqmt****"), page), QStringLiteral("编辑框2"), 136, 64, 168);

    const auto pictureRow = [&](PictureRow& row, const QString& checkText, const QString& suffix,
                                const QString& buttonName, int y, const QString& boxName) {
        row.enabled = place(new QCheckBox(checkText, page), QStringLiteral("选择框") + suffix, 8, y + 3);
        row.path = place(new QLineEdit(page), QString(), 122, y, 142);
        row.path->setReadOnly(true);
        row.choose = place(new QPushButton(QStringLiteral("选择"), page), buttonName, 264, y + 1, 40);
        row.box = place(new QLabel(page), boxName, 12, y + 31);
        row.box->resize(288, 120);
        row.box->setAlignment(Qt::AlignCenter);
        connect(row.choose, &QPushButton::clicked, this, [this, &row] { ChoosePicture(row); });
    };
    pictureRow(m_top, QStringLiteral("打印顶部图片："), QStringLiteral("3"), QStringLiteral("顶部图片选择按钮1"), 96,
               QStringLiteral("图片框1"));
    m_top.path->setObjectName(QStringLiteral("编辑框_顶部图片"));
    m_top.file = AppPaths::topPicturePath();
    m_top.defaultBytes = defaultTopPictureBytes();
    pictureRow(m_bottom, QStringLiteral("打印底部图片："), QStringLiteral("4"), QStringLiteral("顶部图片选择按钮2"), 251,
               QStringLiteral("图片框2"));
    m_bottom.path->setObjectName(QStringLiteral("编辑框_底部图片"));
    m_bottom.file = AppPaths::bottomPicturePath();
    m_bottom.defaultBytes = defaultBottomPictureBytes();
}

void PrintSettingsWindow::buildFontPage(QWidget* page)
{
    label(page, QStringLiteral("字体大小允许的设定范围 7-30"), 8, 29);
    label(page, QStringLiteral("（已支付除外）"), 200, 29);
    for (int n = 1; n <= kSectionCount; ++n) {
        const int y = 56 + 32 * (n - 1);
        label(page, QString::fromUtf16(kSectionLabels[n - 1]), 8, y);
        label(page, QStringLiteral("字体大小："), 100, y);
        m_sizes.append(place(new QLineEdit(QStringLiteral("9"), page),
                             QStringLiteral("编辑框字体大小") + QString::number(n), 164, y, 78));
        m_bolds.append(place(new QCheckBox(QStringLiteral("加粗"), page),
                             QStringLiteral("选择框_加粗_") + QString::number(n), 252, y));
    }
}

void PrintSettingsWindow::LoadSettings()
{
    const auto read = [&](const char16_t* key) { return m_settings.ReadSetting(QString::fromUtf16(key)); };
    m_paperType->setCurrentIndex(textToInt(read(u"小票类型")) == 0 ? 0 : 1);
    m_mode->setCurrentIndex(textToInt(read(u"设置类型")) == 0 ? 0 : 1);
    SetCustomControlsEnabled(m_mode->currentIndex() != 0);

    m_extra1Enabled->setChecked(read(u"附带信息1勾选") == u"1");
    m_extra2Enabled->setChecked(read(u"附带信息2勾选") == u"1");
    for (PictureRow* row : {&m_top, &m_bottom}) {
        const QByteArray stored = ReadFileBytes(row->file);
        showPicture(*row, stored.isEmpty() ? row->defaultBytes : stored);
    }
    if (const QString text = read(u"附带信息1"); !text.isEmpty())
        m_extra1->setText(text);
    if (const QString text = read(u"附带信息2"); !text.isEmpty())
        m_extra2->setText(text);
    m_top.enabled->setChecked(read(u"顶部图片勾选") == u"1");
    m_bottom.enabled->setChecked(read(u"底部图片勾选") == u"1");
    m_copies->setText(read(u"打印份数"));

    const QStringList sizes = read(u"字体大小").split(u'|');
    const QStringList bolds = read(u"勾选加粗").split(u'|');
    for (int i = 0; i < kSectionCount; ++i) {
        if (i < sizes.size())
            m_sizes[i]->setText(sizes[i]);
        m_bolds[i]->setChecked(i < bolds.size() && textToInt(bolds[i]) != 0);
    }
}

void PrintSettingsWindow::showPicture(PictureRow& row, const QByteArray& bytes)
{
    const QImage image = loadPngFromBytes(bytes);
    row.box->setPixmap(image.isNull() ? QPixmap()
                                      : QPixmap::fromImage(image.scaled(row.box->size(), Qt::KeepAspectRatio,
                                                                        Qt::SmoothTransformation)));
}

void PrintSettingsWindow::ChoosePicture(PictureRow& row)
{
    const QString path = Dialogs::current().openFileName(this, QString(), QStringLiteral("PNG图片|*.png"));
    if (path.isEmpty() || !QFile::exists(path))
        return;
    const QByteArray bytes = ReadFileBytes(path);
    const QImage image = loadPngFromBytes(bytes);
    // A file that is not a readable PNG would later print as nothing at all.
    if (image.isNull())
        return;
    row.chosenBytes = bytes;
    row.path->setText(path);
    showPicture(row, bytes);
    if (image.width() > kLargestAdvisedPicture || image.height() > kLargestAdvisedPicture) {
        showMessage(this,
                    QStringLiteral("选用图片时建议选用较低清晰度的图片，图片过于清晰将影响您的打印速度。"),
                    DialogIcon::Warning);
    }
}

void PrintSettingsWindow::SetCustomControlsEnabled(bool enabled)
{
    for (PictureRow* row : {&m_top, &m_bottom}) {
        row->enabled->setEnabled(enabled);
        row->path->setEnabled(enabled);
        row->choose->setEnabled(enabled);
    }
    for (int i = 0; i < kSectionCount; ++i) {
        m_sizes[i]->setEnabled(enabled);
        m_bolds[i]->setEnabled(enabled);
    }
}

bool PrintSettingsWindow::CheckEntries()
{
    m_copies->setText(CheckedCopies(m_copies->text()));
    QStringList sizes;
    for (const QLineEdit* box : m_sizes)
        sizes.append(box->text());
    const FontSizeCheck check = CheckFontSizes(sizes);
    if (check.failingBox < 0)
        return true;
    Dialogs::current().message(this, QStringLiteral("提示"), check.message, DialogIcon::Information,
                               DialogButtons::Ok);
    QLineEdit* box = m_sizes[check.failingBox];
    m_tabs->setCurrentIndex(1);
    box->setFocus();
    box->selectAll();
    return false;
}

bool PrintSettingsWindow::ApplySettings()
{
    if (!CheckEntries())
        return false;
    if (!m_settings.SettingExists(QStringLiteral("字体大小")))
        showMessage(this, QStringLiteral("设置失败.错误7763"), DialogIcon::None);
    else
        SaveSettings();
    if (m_refreshPreview)
        m_refreshPreview();
    return true;
}

void PrintSettingsWindow::SaveSettings()
{
    for (PictureRow* row : {&m_top, &m_bottom}) {
        if (row->path->text().isEmpty())
            continue;
        QSaveFile file(row->file);
        if (file.open(QIODevice::WriteOnly) && file.write(row->chosenBytes) == row->chosenBytes.size())
            file.commit();
    }
    QStringList sizes, bolds;
    for (int i = 0; i < kSectionCount; ++i) {
        sizes.append(QString::number(textToInt(m_sizes[i]->text())));
        bolds.append(flagText(m_bolds[i]));
    }
    const QList<QPair<QString, QString>> values = {
        {QStringLiteral("小票类型"), QString::number(m_paperType->currentIndex())},
        {QStringLiteral("设置类型"), QString::number(m_mode->currentIndex())},
        {QStringLiteral("附带信息1勾选"), flagText(m_extra1Enabled)},
        {QStringLiteral("附带信息2勾选"), flagText(m_extra2Enabled)},
        {QStringLiteral("顶部图片勾选"), flagText(m_top.enabled)},
        {QStringLiteral("底部图片勾选"), flagText(m_bottom.enabled)},
        {QStringLiteral("附带信息1"), m_extra1->text()},
        {QStringLiteral("附带信息2"), m_extra2->text()},
        {QStringLiteral("打印份数"), QString::number(textToInt(m_copies->text()))},
        {QStringLiteral("字体大小"), sizes.join(u'|')},
        {QStringLiteral("勾选加粗"), bolds.join(u'|')}};
    for (const auto& [key, value] : values)
        m_settings.UpdateSetting(key, value);
}

void PrintSettingsWindow::ConfirmSettings()
{
    if (ApplySettings())
        accept();
}
