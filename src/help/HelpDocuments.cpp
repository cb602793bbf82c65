#include "help/HelpDocuments.h"

#include "app/AppPaths.h"
#include "resources/CarriedResources.h"

#include <QDesktopServices>
#include <QSaveFile>
#include <QUrl>

namespace {

void openWithDesktop(const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

DocumentOpener& opener()
{
    static DocumentOpener current = openWithDesktop;
    return current;
}

QString fileName(HelpDocument document)
{
    switch (document) {
    case HelpDocument::UserGuide: return QStringLiteral("怎样使用软件.docx");
    case HelpDocument::PrintingGuide: return QStringLiteral("打印不了怎么办.docx");
    }
    return {};
}

// Writes through a temporary file so that a failed write (full disk, the old
// copy locked by a word processor) leaves the previous file whole instead of
// a truncated document.
void writeCarriedBytes(HelpDocument document, const QString& path)
{
    const QByteArray carried = CarriedBytes(QStringLiteral(":/help/") + fileName(document));
    if (carried.isEmpty())
        return;
    QSaveFile target(path);
    if (!target.open(QIODevice::WriteOnly))
        return;
    target.write(carried);
    target.commit();
}

} // namespace

QString HelpDocumentPath(HelpDocument document)
{
    return AppPaths::programDir() + u'/' + fileName(document);
}

QString OpenHelpDocument(HelpDocument document)
{
    const QString path = HelpDocumentPath(document);
    writeCarriedBytes(document, path);
    opener()(path);
    return path;
}

void SetDocumentOpener(DocumentOpener replacement)
{
    opener() = replacement ? std::move(replacement) : DocumentOpener(openWithDesktop);
}
