#include "receipt/ReceiptLayout.h"

#include "common/Numbers.h"
#include "receipt/ReceiptContent.h"
#include "receipt/ReceiptStyle.h"
#include "receipt/ReceiptSurface.h"
#include "receipt/WrapText.h"

#include <QImage>
#include <QRect>
#include <QStringList>
#include <algorithm>

namespace {

constexpr int kRightMargin = 10;
constexpr int kLineGap = 6;
constexpr int kPreviewSeparatorInset = 5;

// Runs the line kinds with a running y on one surface.
class Drawer {
public:
    Drawer(ReceiptSurface& surface, int width, ReceiptTarget target, int y)
        : m_surface(surface), m_width(width), m_target(target), m_y(y)
    {
    }

    int y() const { return m_y; }

    void centredLine(const QString& text, const QString& fill, const SectionFont& font)
    {
        m_surface.setFont(font.size, font.bold);
        const int usable = m_width - kRightMargin;
        const double diff = usable - m_surface.textWidth(text);
        const int fillWidth = m_surface.textWidth(fill);
        const int n = fillWidth > 0 ? truncToInt(diff / fillWidth / 2) : 0;
        const QString padding = n > 0 ? fill.repeated(n) : QString();
        m_surface.drawText(0, m_y, padding);
        m_surface.drawText(truncToInt(diff / 2), m_y, text);
        m_surface.drawText(usable - m_surface.textWidth(padding), m_y, padding);
        advance(m_surface.textHeight(text + u'1'));
    }

    void rightAlignedLine(const QString& text, const SectionFont& font)
    {
        m_surface.setFont(font.size, font.bold);
        m_surface.drawText(m_width - kRightMargin - m_surface.textWidth(text), m_y, text);
        advance(m_surface.textHeight(text));
    }

    void separator()
    {
        m_surface.setFont(9, false);
        const int dash = m_surface.textWidth(QStringLiteral("-"));
        QString run;
        int x = 0;
        if (dash > 0) {
            if (m_target == ReceiptTarget::Printer) {
                run = QString(std::max(0, m_width / dash), u'-');
                x = dash / 3;
            } else {
                run = QString(std::max(0, (m_width - kPreviewSeparatorInset) / dash), u'-');
            }
        }
        m_surface.drawText(x, m_y, run);
        advance(m_surface.textHeight(run + u'1'));
    }

    void itemRow(const QString& name, const QString& quantity, const QString& amount,
                 const SectionFont& font)
    {
        m_surface.setFont(font.size, font.bold);
        m_surface.drawText(0, m_y, name);
        const int usable = m_width - kRightMargin;
        const int quarter = usable / 4;
        const int nameHeight = m_surface.textHeight(name);
        if (m_surface.textWidth(name) - 2 * quarter > 0)
            advance(nameHeight);
        m_surface.drawText(3 * quarter - m_surface.textWidth(quantity), m_y, quantity);
        m_surface.drawText(usable - m_surface.textWidth(amount), m_y, amount);
        advance(nameHeight);
    }

    void wrappedBlock(const QString& text, const QString& fill, const SectionFont& font)
    {
        if (text.isEmpty())
            return;
        m_surface.setFont(font.size, font.bold);
        const int letter = m_surface.textWidth(QStringLiteral("d"));
        const int columns = letter > 0 ? m_width / letter : 0;
        const QStringList lines = WrapText(text, columns).split(QStringLiteral("\r\n"));
        if (lines.size() == 1 && !fill.isEmpty()) {
            centredLine(lines.first(), fill, font);
            return;
        }
        const int height = m_surface.textHeight(lines.first());
        for (const QString& line : lines) {
            m_surface.drawText(0, m_y, line);
            advance(height);
        }
    }

    void picture(const QImage& image)
    {
        // Scaled by W / picture width, worked in integers so the picture
        // spans exactly W instead of W - 1 after a rounding error.
        const int w = m_width;
        const int h = int(qint64(image.height()) * m_width / image.width());
        m_surface.drawPicture(image, QRect(0, m_y, w, h));
        m_y += h;
    }

private:
    void advance(int lineHeight) { m_y += lineHeight + kLineGap; }

    ReceiptSurface& m_surface;
    const int m_width;
    const ReceiptTarget m_target;
    int m_y;
};

bool isNonZero(const QString& text) { return !isZero(textToNumber(text)); }

QString headerText(const ReceiptContent& content)
{
    QString text = QStringLiteral(" #") + content.orderNumber + u' ';
    if (!content.header.isEmpty())
        text += content.header + u' ';
    return text;
}

bool hasPicture(const ReceiptStyle& style, ReceiptOptionIndex option, const QImage* image)
{
    return style.option(option).enabled && image && !image->isNull();
}

} // namespace

int ReceiptLayout(ReceiptSurface& surface, int width, const ReceiptStyle& style,
                  const ReceiptContent& content, const QImage* top, const QImage* bottom,
                  ReceiptTarget target, int y)
{
    Drawer draw(surface, width, target, y);
    const auto font = [&](ReceiptSection section) { return style.font(section); };
    const QString header = headerText(content);

    if (hasPicture(style, ReceiptOptionIndex::TopPicture, top))
        draw.picture(*top);

    draw.centredLine(header, QStringLiteral("*"), font(ReceiptSection::Header));
    draw.centredLine(content.shopName, QStringLiteral(" "), font(ReceiptSection::ShopName));

    const SectionFont extraFont{9, font(ReceiptSection::ShopName).bold};
    for (ReceiptOptionIndex extra : {ReceiptOptionIndex::ExtraInfo1, ReceiptOptionIndex::ExtraInfo2}) {
        if (style.option(extra).enabled)
            draw.wrappedBlock(style.option(extra).text, QStringLiteral(" "), extraFont);
    }

    const QString payment = content.payment.trimmed();
    if (payment.isEmpty() || content.payment == u"无")
        draw.separator();
    else
        draw.centredLine(content.payment, QStringLiteral("-"), font(ReceiptSection::Payment));

    draw.wrappedBlock(QStringLiteral("[下单时间] ") + content.orderTime, QString(),
                      font(ReceiptSection::OrderTime));
    draw.separator();

    draw.itemRow(QStringLiteral("品名"), QStringLiteral("数量"), QStringLiteral("小计"),
                 font(ReceiptSection::ItemHeading));
    draw.separator();

    for (const ReceiptLine& line : content.lines) {
        if (!line.name.isEmpty())
            draw.itemRow(line.name, line.quantity + line.unit, line.amount,
                         font(ReceiptSection::ItemRow));
    }

    const QString discountCount =
        isNonZero(content.discountCount) ? content.discountCount + u'份' : QString();
    const QString discountAmount = isNonZero(content.discountAmount) ? content.discountAmount : QString();
    if (!content.discountName.isEmpty() && !discountAmount.isEmpty()) {
        draw.centredLine(QStringLiteral("折扣 减免"), QStringLiteral("-"),
                         font(ReceiptSection::DiscountTitle));
        draw.itemRow(content.discountName, discountCount, discountAmount,
                     font(ReceiptSection::DiscountRow));
    }
    draw.separator();

    draw.rightAlignedLine(QStringLiteral("合计 ￥") + content.total, font(ReceiptSection::Total));
    draw.separator();

    if (font(ReceiptSection::Paid).size > 0 && isNonZero(content.paid)) {
        draw.rightAlignedLine(QStringLiteral("已支付 ￥") + content.paid, font(ReceiptSection::Paid));
        draw.separator();
    }

    const SectionFont delivery = font(ReceiptSection::Delivery);
    draw.wrappedBlock(content.table, QString(), delivery);
    const QString name = content.name.trimmed();
    const QString telephone = content.telephone.trimmed();
    draw.wrappedBlock(name.isEmpty() ? telephone : name + QStringLiteral("  ") + telephone,
                      QString(), delivery);
    draw.wrappedBlock(content.address, QString(), delivery);
    if (!content.notes.isEmpty())
        draw.wrappedBlock(QStringLiteral(" \r\n") + content.notes, QString(), delivery);

    draw.centredLine(QStringLiteral("     "), QStringLiteral(" "), font(ReceiptSection::ShopName));
    draw.centredLine(header, QStringLiteral("*"), font(ReceiptSection::Header));

    if (hasPicture(style, ReceiptOptionIndex::BottomPicture, bottom))
        draw.picture(*bottom);
    return draw.y();
}
