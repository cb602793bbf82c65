#pragma once

#include <QString>

// "The program's folder": where data/, 配置文件.ini, the receipt pictures and
// the help documents live. Set once at start-up (--data-dir or the default).
class AppPaths {
public:
    static void setProgramDir(const QString& dir);
    static QString programDir();
    static QString dataDir();          // <program>/data
    static QString databasePath();     // <program>/data/data.mdb
    static QString iniPath();          // <program>/配置文件.ini
    static QString topPicturePath();   // <program>/data/stp.png
    static QString bottomPicturePath();// <program>/data/xtp.png
};

// The version text shown in the caption and stored as the database version.
inline constexpr const char16_t* kVersionText = u"3.2";
