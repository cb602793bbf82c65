#include "app/AppPaths.h"
#include "help/HelpDocuments.h"
#include "resources/CarriedResources.h"

#include <QFile>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A temporary program folder and a recording opener, both undone afterwards.
class HelpDocumentsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        previousProgramDir = AppPaths::programDir();
        AppPaths::setProgramDir(dir.path());
        SetDocumentOpener([this](const QString& path) { opened << path; });
    }
    void TearDown() override
    {
        SetDocumentOpener({});
        AppPaths::setProgramDir(previousProgramDir);
    }

    QTemporaryDir dir;
    QString previousProgramDir;
    QStringList opened;
};

struct DocumentCase {
    HelpDocument document;
    const char16_t* fileName;
};

const DocumentCase kDocuments[] = {
    {HelpDocument::UserGuide, u"怎样使用软件.docx"},
    {HelpDocument::PrintingGuide, u"打印不了怎么办.docx"},
};

} // namespace

TEST_F(HelpDocumentsTest, WritesTheCarriedDocumentBesideTheProgramAndOpensIt)
{
    for (const DocumentCase& c : kDocuments) {
        SCOPED_TRACE(QString::fromUtf16(c.fileName).toStdString());
        const QString expected = dir.path() + u'/' + QString::fromUtf16(c.fileName);
        opened.clear();

        EXPECT_EQ(OpenHelpDocument(c.document), expected);

        EXPECT_EQ(opened, QStringList{expected});
        const QByteArray written = readFile(expected);
        EXPECT_EQ(written, readFile(QStringLiteral(":/help/") + QString::fromUtf16(c.fileName)));
        // A word-processor package: a zip whose entries include the main document part.
        EXPECT_TRUE(written.startsWith("PK\x03\x04"));
        EXPECT_TRUE(written.contains("word/document.xml"));
        EXPECT_TRUE(written.contains("[Content_Types].xml"));
    }
}

TEST_F(HelpDocumentsTest, OpeningAgainReplacesAnEditedCopy)
{
    const QString path = OpenHelpDocument(HelpDocument::UserGuide);
    const QByteArray carried = readFile(path);
    ASSERT_FALSE(carried.isEmpty());

    // The operator edits the copy (here: makes it longer, then shorter than the original).
    for (const QByteArray& edited : {QByteArray(carried + carried), QByteArray("edited by hand")}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(edited);
        file.close();

        EXPECT_EQ(OpenHelpDocument(HelpDocument::UserGuide), path);
        EXPECT_EQ(readFile(path), carried);
    }
    EXPECT_EQ(opened.size(), 3);
}

TEST_F(HelpDocumentsTest, AFolderThatCannotBeWrittenStillHandsThePathOn)
{
    AppPaths::setProgramDir(dir.path() + QStringLiteral("/missing"));
    const QString path = OpenHelpDocument(HelpDocument::PrintingGuide);
    EXPECT_EQ(opened, QStringList{path});
    EXPECT_FALSE(QFile::exists(path));
}

TEST(DefaultPicturesTest, LoadAtTheirReceiptSizes)
{
    const struct {
        const char* resource;
        QSize size;
    } pictures[] = {
        {":/pictures/default_top.png", QSize(430, 189)},
        {":/pictures/default_bottom.png", QSize(430, 430)},
    };
    InitCarriedResources();
    for (const auto& picture : pictures) {
        SCOPED_TRACE(picture.resource);
        const QImage image(QString::fromLatin1(picture.resource));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), picture.size);
        // Black artwork on a white ground: white corners, and some black drawn.
        EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
        EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1), qRgb(255, 255, 255));
        int black = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                black += image.pixel(x, y) == qRgb(0, 0, 0);
        EXPECT_GT(black, image.width() * image.height() / 20);
    }
}
