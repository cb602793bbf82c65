#include "app/AppPaths.h"

#include <QDir>

namespace {
QString programDirectory;
}

void AppPaths::setProgramDir(const QString& dir) { programDirectory = QDir(dir).absolutePath(); }

QString AppPaths::programDir() { return programDirectory; }

QString AppPaths::dataDir() { return programDirectory + QStringLiteral("/data"); }

QString AppPaths::databasePath() { return dataDir() + QStringLiteral("/data.mdb"); }

QString AppPaths::iniPath() { return programDirectory + QStringLiteral("/配置文件.ini"); }

QString AppPaths::topPicturePath() { return dataDir() + QStringLiteral("/stp.png"); }

QString AppPaths::bottomPicturePath() { return dataDir() + QStringLiteral("/xtp.png"); }
