#pragma once

#include <QString>
#include <QStringList>

// The entry rules of the 打印设置 window, apart from the window.

// The copies box as it must read before saving: above 4 it becomes "4", at
// 0 or below "1", otherwise it stays as typed.
QString CheckedCopies(const QString& copiesText);

struct FontSizeCheck {
    int failingBox = -1; // 0-based size box, -1 when every size is allowed
    QString message;
};

// Checks the eleven size box texts: 已支付 (box 10) first, where 0 is also
// allowed, then boxes 1 to 9 and 11; 7 to 30 is allowed and a text that is
// not a number counts as 0. Stops at the first failure.
FontSizeCheck CheckFontSizes(const QStringList& sizeTexts);
