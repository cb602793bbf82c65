#include "app/AppPaths.h"
#include "app/Program.h"
#include "app/SignalCloser.h"
#include "order/OrderForm.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <QStyleFactory>
#include <cstdio>
#include <cstring>

namespace {

const char* const usage =
    "Usage: marovell [--data-dir DIR]\n"
    "Point-of-sale program: key orders, settle them and print receipts.\n\n"
    "  --data-dir DIR  keep the database, settings file and pictures in DIR\n"
    "  --help          show this help\n"
    "  --version       show the version\n";

} // namespace

int main(int argc, char** argv)
{
    QString dataDir;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(usage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("Marovell %s\n", QString::fromUtf16(kVersionText).toUtf8().constData());
            return 0;
        }
        if (std::strcmp(argv[i], "--data-dir") == 0 && i + 1 < argc) {
            dataDir = QString::fromLocal8Bit(argv[++i]);
            continue;
        }
        std::fprintf(stderr, "marovell: unknown argument '%s'\n\n%s", argv[i], usage);
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marovell"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Qt's own dialogs (printing, files, Yes/No buttons) speak Chinese too.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    auto program = Program::Start(dataDir.isEmpty() ? DefaultProgramDir() : dataDir);
    if (!program)
        return 1;
    OrderForm& form = program->form();
    SignalCloser closer(&form);
    form.show();
    return QApplication::exec();
}
