#include "order/MainMenu.h"

#include "help/AboutWindow.h"
#include "help/HelpDocuments.h"
#include "order/OrderForm.h"
#include "reference/NameListWindow.h"
#include "reference/QuantityDecimalsWindow.h"

#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QToolBar>

namespace {

// The menus drop down at a fixed place below their buttons.
const QPoint kSettingsMenuAt(344, 100);
const QPoint kHelpMenuAt(426, 100);

} // namespace

MainMenu::MainMenu(OrderForm& form)
    : QObject(&form), m_form(form), m_settingsMenu(new QMenu(&form)), m_helpMenu(new QMenu(&form))
{
    m_settingsMenu->setObjectName(QStringLiteral("设置菜单"));
    m_settingsMenu->setTitle(QStringLiteral("设置菜单"));
    const auto nameList = [this](NameListKind kind) {
        return [this, kind] { OpenNameListWindow(kind, m_form.database(), &m_form); };
    };
    m_settingsMenu->addAction(QStringLiteral("票头设置"), this, nameList(NameListKind::ReceiptHeaders));
    m_settingsMenu->addSeparator();
    m_settingsMenu->addAction(QStringLiteral("店名设置"), this, nameList(NameListKind::ShopNames));
    m_settingsMenu->addSeparator();
    m_settingsMenu->addAction(QStringLiteral("减免设置"), this, nameList(NameListKind::Discounts));
    m_settingsMenu->addSeparator();
    m_settingsMenu->addAction(QStringLiteral("设置"), this, &MainMenu::OpenQuantityDecimals);
    m_settingsMenu->addSeparator();
    m_settingsMenu->addAction(QStringLiteral("打印设置"), this, &MainMenu::OpenPrintSettings);

    m_helpMenu->setObjectName(QStringLiteral("帮助"));
    m_helpMenu->setTitle(QStringLiteral("帮助"));
    m_helpMenu->addAction(QStringLiteral("使用教程"), this,
                          [] { OpenHelpDocument(HelpDocument::UserGuide); });
    m_helpMenu->addSeparator();
    m_helpMenu->addAction(QStringLiteral("无法打印"), this,
                          [] { OpenHelpDocument(HelpDocument::PrintingGuide); });
    m_helpMenu->addSeparator();
    m_helpMenu->addAction(QStringLiteral("关于"), this, [this] { ShowAboutWindow(&m_form); });

    QToolBar* toolbar = form.ui().工具条2;
    QAction* settings = toolbar->addAction(QStringLiteral("设置"));
    settings->setObjectName(QStringLiteral("工具条2_设置"));
    connect(settings, &QAction::triggered, this,
            [this] { m_settingsMenu->popup(m_form.mapToGlobal(kSettingsMenuAt)); });
    QAction* help = toolbar->addAction(QStringLiteral("帮助"));
    help->setObjectName(QStringLiteral("工具条2_帮助"));
    connect(help, &QAction::triggered, this,
            [this] { m_helpMenu->popup(m_form.mapToGlobal(kHelpMenuAt)); });

    form.ui().标签_使用教程->installEventFilter(this);
    form.ui().标签_无法打印->installEventFilter(this);
}

bool MainMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == m_form.ui().标签_使用教程)
            OpenHelpDocument(HelpDocument::UserGuide);
        else if (watched == m_form.ui().标签_无法打印)
            OpenHelpDocument(HelpDocument::PrintingGuide);
    }
    return QObject::eventFilter(watched, event);
}

void MainMenu::OpenQuantityDecimals()
{
    if (const auto decimals = AskQuantityDecimals(m_form.quantityDecimals(), m_form.database(), &m_form))
        m_form.setQuantityDecimals(*decimals);
}

void MainMenu::OpenPrintSettings()
{
    m_form.ShowPreview();
    m_form.OpenPrintSettingsWindow();
}
