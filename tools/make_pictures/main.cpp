// Draws the two default receipt pictures the program carries:
//   default_top.png    430 x 189, a banner asking for the shop's logo or QR code
//   default_bottom.png 430 x 430, a sample QR code with a promotional line
// Usage: make_pictures <output folder>
// Black on white only, so thermal printers render them cleanly.

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <qrencode.h>

namespace {

const QString kFontFile = QStringLiteral("/usr/share/fonts/truetype/wqy/wqy-microhei.ttc");

QFont chineseFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QImage blankPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Draws the QR code of `text` into `area`, whole modules only, centred.
void drawQrCode(QPainter& painter, const QRect& area, const QByteArray& text)
{
    QRcode* code = QRcode_encodeString(text.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1);
    if (!code) {
        std::fprintf(stderr, "qrencode failed\n");
        std::exit(1);
    }
    const int quiet = 2; // modules of white margin; the frame supplies the rest
    const int modules = code->width + 2 * quiet;
    const int cell = std::min(area.width(), area.height()) / modules;
    const int side = cell * modules;
    const QPoint origin(area.x() + (area.width() - side) / 2 + quiet * cell,
                        area.y() + (area.height() - side) / 2 + quiet * cell);
    for (int y = 0; y < code->width; ++y)
        for (int x = 0; x < code->width; ++x)
            if (code->data[y * code->width + x] & 1)
                painter.fillRect(origin.x() + x * cell, origin.y() + y * cell, cell, cell, Qt::black);
    QRcode_free(code);
}

// Four corner brackets, the usual sign for "a square picture goes here".
void drawCornerMarks(QPainter& painter, const QRect& box, int arm)
{
    const int l = box.left(), r = box.right(), t = box.top(), b = box.bottom();
    painter.drawPolyline(QPolygon({{l, t + arm}, {l, t}, {l + arm, t}}));
    painter.drawPolyline(QPolygon({{r - arm, t}, {r, t}, {r, t + arm}}));
    painter.drawPolyline(QPolygon({{l, b - arm}, {l, b}, {l + arm, b}}));
    painter.drawPolyline(QPolygon({{r - arm, b}, {r, b}, {r, b - arm}}));
}

QImage topPicture()
{
    QImage image = blankPicture(430, 189);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    // Dashed outer frame: the area the shop's own picture will fill.
    QPen dashed(Qt::black, 2, Qt::DashLine);
    painter.setPen(dashed);
    painter.drawRect(QRect(4, 4, 421, 180));

    // Placeholder square on the left with a small "logo" sketch in it.
    const QRect square(22, 26, 136, 136);
    painter.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    drawCornerMarks(painter, square, 30);
    painter.setFont(chineseFont(30, true));
    painter.drawText(square.adjusted(0, 0, 0, -24), Qt::AlignCenter, QStringLiteral("LOGO"));
    painter.setFont(chineseFont(18, false));
    painter.drawText(square.adjusted(0, 56, 0, 0), Qt::AlignCenter, QStringLiteral("或 二维码"));

    // Invitation on the right.
    const QRect textArea(172, 20, 240, 150);
    painter.setPen(Qt::black);
    painter.setFont(chineseFont(28, true));
    painter.drawText(QRect(textArea.x(), textArea.y(), textArea.width(), 44),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("此处放店铺标志"));
    painter.setFont(chineseFont(22, false));
    painter.drawText(QRect(textArea.x(), textArea.y() + 46, textArea.width(), 34),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("或微信二维码"));
    painter.fillRect(textArea.x(), textArea.y() + 90, 228, 2, Qt::black);
    painter.setFont(chineseFont(17, false));
    painter.drawText(QRect(textArea.x(), textArea.y() + 98, textArea.width(), 26),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("在“打印设置”中"));
    painter.drawText(QRect(textArea.x(), textArea.y() + 122, textArea.width(), 26),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("选择您自己的图片"));
    return image;
}

QImage bottomPicture()
{
    QImage image = blankPicture(430, 430);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    drawQrCode(painter, QRect(50, 8, 330, 330), QByteArrayLiteral("Marovell 示例二维码"));

    painter.setPen(Qt::black);
    painter.setFont(chineseFont(36, true));
    painter.drawText(QRect(0, 340, 430, 50), Qt::AlignCenter, QStringLiteral("扫码关注 下单更优惠"));
    painter.setFont(chineseFont(18, false));
    painter.drawText(QRect(0, 392, 430, 30), Qt::AlignCenter,
                     QStringLiteral("（示例图片，请换成您店铺的二维码）"));
    return image;
}

bool save(const QImage& image, const QString& path)
{
    // Plain 8-bit RGB without alpha: the form every PNG reader accepts.
    if (!image.convertToFormat(QImage::Format_RGB888).save(path, "PNG", 9)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures <output folder>\n");
        return 2;
    }
    if (QFontDatabase::addApplicationFont(kFontFile) < 0) {
        std::fprintf(stderr, "font not found: %s\n", qPrintable(kFontFile));
        return 1;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const bool ok = save(topPicture(), folder + QStringLiteral("/default_top.png"))
        && save(bottomPicture(), folder + QStringLiteral("/default_bottom.png"));
    return ok ? 0 : 1;
}
