// Receipt timings for the printer: wrapping, and laying out and drawing a
// 200-line receipt at 0.1 mm units (target: under 20 ms).
#include "BenchSupport.h"

#include "receipt/PainterSurface.h"
#include "receipt/ReceiptContent.h"
#include "receipt/ReceiptLayout.h"
#include "receipt/ReceiptStyle.h"
#include "receipt/WrapText.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

ReceiptContent receiptWithLines(int count)
{
    ReceiptContent c;
    c.orderNumber = QStringLiteral("128");
    c.header = QStringLiteral("微信点餐");
    c.shopName = QStringLiteral("白云快餐");
    c.payment = QStringLiteral("微信支付");
    c.orderTime = QStringLiteral("2024年3月5日12时30分");
    for (int i = 0; i < count; ++i)
        c.lines.append({QStringLiteral("红烧排骨饭加蛋") + QString::number(i), QStringLiteral("2"),
                        QStringLiteral("份"), QStringLiteral("36.5")});
    c.discountName = QStringLiteral("会员");
    c.discountCount = QStringLiteral("1");
    c.discountAmount = QStringLiteral("5");
    c.total = QStringLiteral("7295");
    c.paid = QStringLiteral("7300");
    c.name = QStringLiteral("张三");
    c.telephone = QStringLiteral("13055260000");
    c.address = QStringLiteral("北京市朝阳区建国路88号SOHO现代城A座1808室（前台代收）");
    c.notes = QStringLiteral("少辣，不要香菜。请尽快送达，谢谢！");
    return c;
}

ReceiptStyle firstStartStyle()
{
    return ReceiptStyle::fromLookup([](const QString& key) {
        if (key == u"设置类型")
            return QStringLiteral("1");
        if (key == u"字体大小")
            return QStringLiteral("9|9|9|9|9|9|12|9|9|12|12");
        if (key == u"勾选加粗")
            return QStringLiteral("0|0|0|0|0|0|1|0|0|1|1");
        return QString();
    });
}

void BM_WrapText(benchmark::State& state)
{
    const QString text = receiptWithLines(0).address.repeated(4);
    for (auto _ : state)
        benchmark::DoNotOptimize(WrapText(text, 31));
}
BENCHMARK(BM_WrapText);

void BM_PrinterLayout200Lines(benchmark::State& state)
{
    const ReceiptContent content = receiptWithLines(200);
    const ReceiptStyle style = firstStartStyle();
    QImage page(480, 12000, QImage::Format_RGB32); // stands in for the printer page
    for (auto _ : state) {
        QPainter painter(&page);
        PainterSurface surface(painter, PainterSurface::kTenthMillimetresPerPoint);
        benchmark::DoNotOptimize(
            ReceiptLayout(surface, 480, style, content, nullptr, nullptr, ReceiptTarget::Printer));
    }
}
BENCHMARK(BM_PrinterLayout200Lines)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
