#pragma once

#include "receipt/ReceiptSurface.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QVector>

// A surface with fixed metrics so every coordinate of a layout can be worked
// out by hand: a character below code 127 is `size` units wide, any other
// character twice that; every line is 2 x size high.
class RecordingSurface final : public ReceiptSurface {
public:
    struct Text {
        int x, y;
        QString text;
        int size;
        bool bold;
    };
    struct Picture {
        QSize source;
        QRect target;
    };

    void setFont(int size, bool bold) override
    {
        m_size = size;
        m_bold = bold;
    }
    int textWidth(const QString& text) override
    {
        int columns = 0;
        for (QChar c : text)
            columns += c.unicode() < 127 ? 1 : 2;
        return columns * m_size;
    }
    int textHeight(const QString&) override { return 2 * m_size; }
    void drawText(int x, int y, const QString& text) override
    {
        texts.append({x, y, text, m_size, m_bold});
    }
    void drawPicture(const QImage& picture, const QRect& target) override
    {
        pictures.append({picture.size(), target});
    }

    // The first drawn text equal to `text`, or nullptr.
    const Text* find(const QString& text) const
    {
        for (const Text& t : texts)
            if (t.text == text)
                return &t;
        return nullptr;
    }
    qsizetype indexOf(const QString& text) const
    {
        for (qsizetype i = 0; i < texts.size(); ++i)
            if (texts[i].text == text)
                return i;
        return -1;
    }
    int count(const QString& text) const
    {
        int n = 0;
        for (const Text& t : texts)
            n += t.text == text;
        return n;
    }

    QVector<Text> texts;
    QVector<Picture> pictures;

private:
    int m_size = 9;
    bool m_bold = false;
};
