#pragma once

#include <QString>

class ReceiptPrinter;
class SettingsStore;
struct ReceiptContent;

// 打单 prints one copy; after settling the configured number of copies.
enum class PrintMode { PrintOnly, AfterSettling };

// Prints the receipt: the first copy after the printer dialog and with the
// pictures (data/stp.png, data/xtp.png), each further copy as its own job
// without dialog or pictures. The width comes from the configuration file
// at `iniPath`. False when the dialog was cancelled or a job did not start.
bool PrintReceipt(ReceiptPrinter& printer, PrintMode mode, const ReceiptContent& content,
                  const SettingsStore& settings, const QString& iniPath);

// The printable width in 0.1 mm for the paper type, read from the
// configuration file and appended there with its default when missing. A
// value that is not a positive number gives the default.
int ReadPrintWidth(const SettingsStore& settings, const QString& iniPath);
