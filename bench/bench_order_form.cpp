// The order form's own paths: start-up to a shown, filled form (first start,
// and a later start on 100,000 orders; target 300 ms each), one keystroke in
// the telephone box with 100,000 customers (target 5 ms), and settling on a
// database holding 1,000,000 orders: the database part (target 10 ms) and
// the whole F12 path with the form reset and the next number (target 30 ms).
#include "BenchSupport.h"

#include "app/Program.h"
#include "order/OrderForm.h"
#include "order/OrderLines.h"
#include "order/Settling.h"
#include "receipt/ReceiptPrinter.h"
#include "receipt/ReceiptSurface.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <memory>

namespace {

// Generated history: `count` orders spread over the past years, a few lines each.
QString OrdersScript(int count)
{
    return QStringLiteral(
               "WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x+1 FROM n WHERE x<%1) "
               "INSERT INTO 存单 (编号,票头,店铺名称,时间,减免,减免份数,减免金额,合计,支付方式,已付,实付,电话,姓名,地址,是否结算) "
               "SELECT x-(x/200)*200+1,'微信点餐','白云快餐',datetime('2024-03-07 08:00:00','-'||(x*3)||' minutes'),"
               "'',0,0,30,'现金支付',30,30,'','','',1 FROM n;")
        .arg(count);
}

// Prints nowhere, measuring texts by their length.
class NullSurface final : public ReceiptSurface {
public:
    void setFont(int size, bool) override { m_size = size; }
    int textWidth(const QString& text) override { return int(text.size()) * m_size; }
    int textHeight(const QString&) override { return 2 * m_size; }
    void drawText(int, int, const QString&) override {}
    void drawPicture(const QImage&, const QRect&) override {}

private:
    int m_size = 9;
};

class NullPrinter final : public ReceiptPrinter {
public:
    bool accept = true;
    bool startJob(bool) override { return accept; }
    ReceiptSurface& page() override { return m_page; }
    void endJob() override {}

private:
    NullSurface m_page;
};

void BM_FirstStart(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto dir = std::make_unique<QTemporaryDir>();
        state.ResumeTiming();
        auto program = Program::Start(dir->path());
        program->form().show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        program.reset();
        dir.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstStart)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_StartWith100kOrders(benchmark::State& state)
{
    QString path;
    auto data = std::make_unique<BenchDataFolder>();
    data->script(OrdersScript(100000));
    path = data->dir.path();
    data->dir.setAutoRemove(false);
    data.reset();
    for (auto _ : state) {
        auto program = Program::Start(path);
        program->form().show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        program->form().close();
        program.reset();
        state.ResumeTiming();
    }
    QDir(path).removeRecursively();
}
BENCHMARK(BM_StartWith100kOrders)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_TelephoneKeystroke100kCustomers(benchmark::State& state)
{
    BenchDataFolder data;
    data.script(QStringLiteral(
        "WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x+1 FROM n WHERE x<100000) "
        "INSERT INTO 客户 (电话,姓名,地址,订餐次数) SELECT '1380000'||x,'客户'||x,'地址'||x,1 FROM n;"));
    OrderForm form(data.db, data.decimals);
    QLineEdit* phone = form.ui().编辑框_电话;
    for (auto _ : state) {
        state.PauseTiming();
        phone->setText(QStringLiteral("138000050"));
        state.ResumeTiming();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_0, Qt::NoModifier, QStringLiteral("0"));
        QApplication::sendEvent(phone, &press);
    }
    if (form.ui().编辑框_姓名->text() != QStringLiteral("客户500"))
        state.SkipWithError("the customer was not found");
}
BENCHMARK(BM_TelephoneKeystroke100kCustomers)->Unit(benchmark::kMillisecond);

struct SettleSetup {
    BenchDataFolder data;
    std::unique_ptr<OrderForm> form;
    NullPrinter printer;

    SettleSetup()
    {
        data.script(OrdersScript(1000000));
        form = std::make_unique<OrderForm>(data.db, data.decimals);
        form->setReceiptPrinter(&printer);
    }
    void keyOrder()
    {
        for (int i = 0; i < 20; ++i)
            form->lines().AddLine(QStringLiteral("红烧排骨饭"), QStringLiteral("2"));
        form->ui().编辑框_电话->setText(QStringLiteral("13800000000"));
    }
};
std::unique_ptr<SettleSetup> settleSetup;

SettleSetup& Settle()
{
    if (!settleSetup)
        settleSetup = std::make_unique<SettleSetup>();
    return *settleSetup;
}

// Header, 20 lines and the customer in one transaction: with the print
// cancelled the order stays on the form and F12 stores it again.
void BM_SettleDatabasePart(benchmark::State& state)
{
    SettleSetup& s = Settle();
    s.form->settling().ClearForm();
    s.keyOrder();
    s.printer.accept = false;
    for (auto _ : state)
        s.form->settling().SettleOrder();
    s.printer.accept = true;
}
BENCHMARK(BM_SettleDatabasePart)->Unit(benchmark::kMillisecond);

void BM_SettleF12Path(benchmark::State& state)
{
    SettleSetup& s = Settle();
    for (auto _ : state) {
        state.PauseTiming();
        s.form->settling().ClearForm();
        s.keyOrder();
        state.ResumeTiming();
        s.form->settling().SettleOrder();
    }
}
BENCHMARK(BM_SettleF12Path)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv, [] { settleSetup.reset(); });
}
