#pragma once

#include <QString>

// 配置文件.ini: entries `key = {value}` in GBK text. Other text is ignored.
// The value of the first entry whose key matches, ignoring letter case.
// Found with an empty value (or no closing brace): empty text. Not found: the
// default, and with `append` the entry `key = {default}` CR LF is added to the
// end of the file.
QString ReadConfigEntry(const QString& iniPath, const QString& key, const QString& defaultValue,
                        bool append);
