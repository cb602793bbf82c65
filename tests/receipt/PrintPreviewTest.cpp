#include "app/AppPaths.h"
#include "receipt/DefaultPictures.h"
#include "receipt/PreviewGeometry.h"
#include "receipt/PrintPreview.h"
#include "receipt/ReceiptCanvas.h"
#include "storage/SettingsStore.h"
#include "support/TestDataFolder.h"

#include <QFile>
#include <QGroupBox>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class PrintPreviewTest : public ::testing::Test {
protected:
    PrintPreviewTest() : settings(folder.db())
    {
        settings.WriteSetting(QStringLiteral("小票类型"), QStringLiteral("0"));
        settings.WriteSetting(QStringLiteral("设置类型"), QStringLiteral("0"));
        form.resize(600, 737);
        form.move(50, 40);
        form.show();
        content.orderNumber = QStringLiteral("3");
        content.total = QStringLiteral("9");
        preview = new PrintPreview(&form, settings, [this] { return content; },
                                   [this](int key) { keys.append(key); });
    }

    template<typename T> T* child(const char16_t* name)
    {
        return preview->findChild<T*>(QString::fromUtf16(name));
    }
    void setLines(int count)
    {
        content.lines.clear();
        for (int i = 0; i < count; ++i)
            content.lines.append({QStringLiteral("菜品") + QString::number(i), QStringLiteral("1"),
                                  QStringLiteral("份"), QStringLiteral("10")});
    }

    TestDataFolder folder;
    SettingsStore settings;
    QWidget form;
    ReceiptContent content;
    QList<int> keys;
    PrintPreview* preview = nullptr; // owned by the form
};

TEST_F(PrintPreviewTest, WidthsFollowThePaperType)
{
    preview->show();
    EXPECT_EQ(preview->windowTitle(), u"打印预览");
    struct Case {
        const char* paper;
        int canvas, scrollLeft, frame, window;
    };
    for (const Case& c : {Case{"1", 267, 269, 288, 306}, Case{"0", 194, 196, 215, 233}}) {
        settings.WriteSetting(QStringLiteral("小票类型"), QString::fromLatin1(c.paper));
        preview->RefreshPreview();
        EXPECT_EQ(child<ReceiptCanvas>(u"画板1")->width(), c.canvas);
        EXPECT_EQ(child<ReceiptCanvas>(u"画板2")->image().width(), c.canvas);
        EXPECT_EQ(child<ReceiptCanvas>(u"画板2")->image().height(), kPreviewCanvasHeight);
        EXPECT_EQ(child<QScrollBar>(u"纵向滚动条1")->x(), c.scrollLeft);
        EXPECT_EQ(child<QGroupBox>(u"分组框1")->width(), c.frame);
        EXPECT_EQ(preview->width(), c.window);
    }
    EXPECT_EQ(preview->height(), 742);
    EXPECT_EQ(child<QGroupBox>(u"分组框1")->height(), 709);
    EXPECT_EQ(child<ReceiptCanvas>(u"画板1")->height(), 699);
}

TEST_F(PrintPreviewTest, ScrollRange)
{
    preview->show();
    auto* scroll = child<QScrollBar>(u"纵向滚动条1");
    EXPECT_EQ(scroll->maximum(), 0);
    EXPECT_LT(preview->receiptBottom(), 699);

    setLines(60);
    preview->RefreshPreview();
    const int bottom = preview->receiptBottom();
    ASSERT_GT(bottom, 699);
    EXPECT_EQ(scroll->maximum(), bottom - 699);
    scroll->setValue(scroll->maximum());
    const QImage& whole = child<ReceiptCanvas>(u"画板2")->image();
    EXPECT_EQ(child<ReceiptCanvas>(u"画板1")->image(), whole.copy(0, bottom - 699, 194, 699));

    // Redrawing returns to the top.
    preview->RefreshPreview();
    EXPECT_EQ(scroll->value(), 0);

    setLines(400); // past the 5000-pixel canvas
    preview->RefreshPreview();
    EXPECT_GT(preview->receiptBottom(), kPreviewCanvasHeight);
    EXPECT_EQ(scroll->maximum(), kPreviewCanvasHeight - 699);
}

TEST_F(PrintPreviewTest, ClosedPreviewIsNotRedrawn)
{
    preview->RefreshPreview();
    EXPECT_EQ(preview->receiptBottom(), 0);
    preview->TogglePreview();
    EXPECT_TRUE(preview->isVisible());
    EXPECT_GT(preview->receiptBottom(), 0);
    preview->TogglePreview();
    EXPECT_FALSE(preview->isVisible());
}

TEST_F(PrintPreviewTest, MissingPicturesGetTheDefaults)
{
    const QByteArray top = defaultTopPictureBytes();
    if (top.isEmpty())
        GTEST_SKIP() << "default pictures not built in yet";
    settings.WriteSetting(QStringLiteral("设置类型"), QStringLiteral("1"));
    settings.WriteSetting(QStringLiteral("顶部图片勾选"), QStringLiteral("1"));
    settings.WriteSetting(QStringLiteral("底部图片勾选"), QStringLiteral("0"));
    preview->show();
    QFile file(AppPaths::topPicturePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), top);
    EXPECT_FALSE(QFile::exists(AppPaths::bottomPicturePath()));
}

TEST_F(PrintPreviewTest, DockedToTheFormBothWays)
{
    preview->show();
    const int formWidth = form.frameGeometry().width();
    EXPECT_EQ(preview->pos(), QPoint(50 + formWidth, 40));
    form.move(120, 90);
    EXPECT_EQ(preview->pos(), QPoint(120 + formWidth, 90));
    preview->move(900, 30);
    EXPECT_EQ(form.pos(), QPoint(900 - formWidth, 30));
}

TEST_F(PrintPreviewTest, ReleasedFunctionKeysReachTheHandler)
{
    preview->show();
    QTest::keyPress(preview, Qt::Key_F12);
    EXPECT_TRUE(keys.isEmpty());
    QTest::keyRelease(preview, Qt::Key_F12);
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_F5, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(preview, &repeat);
    QTest::keyRelease(preview, Qt::Key_A);
    EXPECT_EQ(keys, QList<int>{Qt::Key_F12});
}

} // namespace
