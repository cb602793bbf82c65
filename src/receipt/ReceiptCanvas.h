#pragma once

#include <QImage>
#include <QWidget>

// A canvas of the preview window: shows its image from the top left.
class ReceiptCanvas final : public QWidget {
    Q_OBJECT
public:
    explicit ReceiptCanvas(QWidget* parent = nullptr);

    void setImage(QImage image);
    const QImage& image() const { return m_image; }
    QImage& image() { return m_image; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
};
