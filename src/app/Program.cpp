#include "app/Program.h"

#include "app/AppPaths.h"
#include "common/Dialogs.h"
#include "order/OrderForm.h"
#include "storage/Schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

Program::~Program()
{
    m_form.reset();
    m_db.close();
}

std::unique_ptr<Program> Program::Start(const QString& programDir)
{
    if (!QDir().mkpath(programDir)) {
        showMessage(nullptr, QStringLiteral("无法创建程序数据文件夹：") + programDir,
                    DialogIcon::Critical);
        return nullptr;
    }
    AppPaths::setProgramDir(programDir);

    std::unique_ptr<Program> program(
        new Program(AppPaths::programDir() + QStringLiteral("/marovell.lock")));
    // The lock dies with its process, so a crashed copy never blocks the next start.
    program->m_lock.setStaleLockTime(0);
    if (!program->m_lock.tryLock(0)) {
        if (program->m_lock.error() == QLockFile::LockFailedError) {
            showMessage(nullptr, QStringLiteral("程序正在运行，无法重复打开！"), DialogIcon::Warning);
        } else {
            showMessage(nullptr, QStringLiteral("程序数据文件夹无法写入：") + programDir,
                        DialogIcon::Critical);
        }
        return nullptr;
    }

    const DatabaseStartup startup =
        OpenAndMigrateDatabase(program->m_db, AppPaths::programDir(), AppPaths::iniPath());
    if (startup.result == DatabaseOpenResult::FolderNotWritable) {
        showMessage(nullptr, QStringLiteral("程序数据文件夹无法写入：") + AppPaths::dataDir(),
                    DialogIcon::Critical);
        return nullptr;
    }
    if (startup.result == DatabaseOpenResult::CannotOpen) {
        showMessage(nullptr, QStringLiteral("数据库打开失败。"), DialogIcon::Critical);
        return nullptr;
    }
    program->m_form = std::make_unique<OrderForm>(program->m_db, startup.quantityDecimals);
    return program;
}

QString DefaultProgramDir()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    QTemporaryFile probe(exeDir + QStringLiteral("/.write-probe-XXXXXX"));
    if (probe.open())
        return exeDir;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}
