#include "help/AboutWindow.h"

#include "app/AppPaths.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* centredLabel(QWidget* parent, const QString& objectName, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

AboutWindow::AboutWindow(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("关于"));
    setWindowTitle(QStringLiteral("关于"));
    setModal(true);

    QLabel* title = centredLabel(this, QStringLiteral("标签_标题"), QStringLiteral("Marovell"));
    QFont titleFont = title->font();
    titleFont.setPointSize(titleFont.pointSize() * 2);
    titleFont.setBold(true);
    title->setFont(titleFont);

    QLabel* version = centredLabel(this, QStringLiteral("标签_版本"),
                                   QStringLiteral("版本 ") + QString::fromUtf16(kVersionText));
    QLabel* purpose = centredLabel(
        this, QStringLiteral("标签_说明"),
        QStringLiteral("为水果蔬菜海鲜批发、小超市和外卖店设计的收银点单与小票打印软件。"));
    purpose->setWordWrap(true);

    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("按钮_确定"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(10);
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addWidget(purpose);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setFixedWidth(340);
}

void ShowAboutWindow(QWidget* parent)
{
    AboutWindow window(parent);
    window.exec();
}
