#pragma once

#include <QString>

class SettingsStore;

// Settings key "小票类型": 0 is 58 mm paper, any other value 80 mm.
enum class PaperType { Mm58, Mm80 };

PaperType paperTypeFromText(const QString& value);
PaperType ReadPaperType(const SettingsStore& settings);
