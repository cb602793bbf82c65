#include "RecordingPrinter.h"

#include "app/AppPaths.h"
#include "common/Gbk.h"
#include "receipt/PrintReceipt.h"
#include "receipt/QtReceiptPrinter.h"
#include "receipt/ReceiptContent.h"
#include "storage/SettingsStore.h"
#include "support/TestDataFolder.h"

#include <QFile>
#include <QProcess>
#include <QImage>
#include <gtest/gtest.h>

namespace {

class PrintReceiptTest : public ::testing::Test {
protected:
    PrintReceiptTest() : settings(folder.db())
    {
        const QList<QPair<QString, QString>> values = {
            {QStringLiteral("小票类型"), QStringLiteral("0")},
            {QStringLiteral("设置类型"), QStringLiteral("1")},
            {QStringLiteral("字体大小"), QStringLiteral("9|9|9|9|9|9|12|9|9|12|12")},
            {QStringLiteral("勾选加粗"), QStringLiteral("0|0|0|0|0|0|1|0|0|1|1")},
            {QStringLiteral("顶部图片勾选"), QStringLiteral("1")},
            {QStringLiteral("底部图片勾选"), QStringLiteral("1")},
            {QStringLiteral("打印份数"), QStringLiteral("3")}};
        for (const auto& [key, value] : values)
            settings.WriteSetting(key, value);
        content.orderNumber = QStringLiteral("5");
        content.total = QStringLiteral("12");
        content.lines = {{QStringLiteral("鱼"), QStringLiteral("1"), QString(), QStringLiteral("12")}};
    }

    void writePictures()
    {
        ASSERT_TRUE(QImage(430, 189, QImage::Format_RGB32).save(AppPaths::topPicturePath(), "PNG"));
        ASSERT_TRUE(QImage(430, 430, QImage::Format_RGB32).save(AppPaths::bottomPicturePath(), "PNG"));
    }

    void writeIni(const QByteArray& bytes)
    {
        QFile file(folder.iniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    QByteArray readIni()
    {
        QFile file(folder.iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    bool print(PrintMode mode) { return PrintReceipt(printer, mode, content, settings, folder.iniPath()); }

    TestDataFolder folder;
    SettingsStore settings;
    ReceiptContent content;
    RecordingPrinter printer;
};

TEST_F(PrintReceiptTest, PrintOnlyIsOneJobWithPictures)
{
    writePictures();
    EXPECT_TRUE(print(PrintMode::PrintOnly));
    ASSERT_EQ(printer.jobs.size(), 1);
    EXPECT_TRUE(printer.jobs[0].dialog);
    EXPECT_TRUE(printer.jobs[0].ended);
    ASSERT_EQ(printer.jobs[0].page.pictures.size(), 2);
    EXPECT_EQ(printer.jobs[0].page.pictures[0].target, QRect(0, 0, 480, 210));
}

TEST_F(PrintReceiptTest, FurtherCopiesAreJobsWithoutDialogOrPictures)
{
    writePictures();
    EXPECT_TRUE(print(PrintMode::AfterSettling));
    ASSERT_EQ(printer.jobs.size(), 3);
    EXPECT_EQ(printer.jobs[0].page.pictures.size(), 2);
    for (int copy : {1, 2}) {
        const auto& job = printer.jobs[copy];
        EXPECT_FALSE(job.dialog);
        EXPECT_TRUE(job.ended);
        EXPECT_TRUE(job.page.pictures.isEmpty());
        EXPECT_EQ(job.page.texts.first().y, 0);
        EXPECT_EQ(job.page.find(QStringLiteral(" #5 "))->y, 0);
    }

    settings.WriteSetting(QStringLiteral("打印份数"), QStringLiteral("1"));
    printer.jobs.clear();
    EXPECT_TRUE(print(PrintMode::AfterSettling));
    EXPECT_EQ(printer.jobs.size(), 1);
}

TEST_F(PrintReceiptTest, MissingPicturesTakeNoSpace)
{
    EXPECT_TRUE(print(PrintMode::PrintOnly));
    ASSERT_EQ(printer.jobs.size(), 1);
    EXPECT_TRUE(printer.jobs[0].page.pictures.isEmpty());
    EXPECT_EQ(printer.jobs[0].page.texts.first().y, 0);
}

TEST_F(PrintReceiptTest, FailedStarts)
{
    printer.cancelDialog = true;
    EXPECT_FALSE(print(PrintMode::AfterSettling));
    EXPECT_TRUE(printer.jobs.isEmpty());

    printer.cancelDialog = false;
    printer.failJob = 1;
    EXPECT_FALSE(print(PrintMode::AfterSettling));
    ASSERT_EQ(printer.jobs.size(), 1);
    EXPECT_TRUE(printer.jobs[0].ended);
}

TEST_F(PrintReceiptTest, WidthEntryAppendedAfterEarlierContent)
{
    writeIni(QByteArray("DHH = {x}\r\n"));
    EXPECT_TRUE(print(PrintMode::PrintOnly));
    EXPECT_EQ(readIni(), QByteArray("DHH = {x}\r\n") + toGbk(QStringLiteral("58小票打印宽度 = {480}\r\n")));
}

TEST_F(PrintReceiptTest, WidthFromTheFile)
{
    struct Case {
        const char* paper;
        const char* entry;
        int dashes; // printer separator: width / 9
    };
    const Case cases[] = {{"1", "80小票打印宽度 = {720}", 80},
                          {"0", "58小票打印宽度 = {0}", 53},
                          {"0", "58小票打印宽度 = {-40}", 53},
                          {"0", "58小票打印宽度 = {abc}", 53},
                          {"1", "80小票打印宽度 = {}", 77}};
    for (const Case& c : cases) {
        settings.WriteSetting(QStringLiteral("小票类型"), QString::fromLatin1(c.paper));
        writeIni(toGbk(QString::fromUtf8(c.entry) + QStringLiteral("\r\n")));
        printer.jobs.clear();
        EXPECT_TRUE(print(PrintMode::PrintOnly));
        ASSERT_EQ(printer.jobs.size(), 1);
        // the empty payment stands as a separator too
        EXPECT_EQ(printer.jobs[0].page.count(QString(c.dashes, u'-')), 5) << c.entry;
    }
}

TEST_F(PrintReceiptTest, PrintsToPdfThroughQPrinter)
{
    const QString pdf = folder.path() + QStringLiteral("/receipt.pdf");
    QtReceiptPrinter qtPrinter(nullptr, [&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        return true;
    });
    writePictures();
    EXPECT_TRUE(PrintReceipt(qtPrinter, PrintMode::PrintOnly, content, settings, folder.iniPath()));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_TRUE(bytes.contains("/Font"));
    EXPECT_TRUE(bytes.contains("/Image"));

    // The page holds the receipt's text.
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(10000)) << "pdftotext (poppler-utils) is needed";
    const QString page = QString::fromUtf8(text.readAllStandardOutput());
    for (const char16_t* expected : {u"#5", u"鱼", u"合计 ￥12", u"[下单时间]"})
        EXPECT_TRUE(page.contains(QString::fromUtf16(expected))) << page.toStdString();

    QtReceiptPrinter cancelled(nullptr, [](QPrinter&) { return false; });
    EXPECT_FALSE(PrintReceipt(cancelled, PrintMode::PrintOnly, content, settings, folder.iniPath()));
}

} // namespace
