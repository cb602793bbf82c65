#include "reference/NameListWindow.h"

#include "app/FillComboFromTable.h"
#include "common/Dialogs.h"
#include "reference/UnitList.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

void tell(QWidget* parent, const QString& text)
{
    showMessage(parent, text, DialogIcon::Information, QStringLiteral("提示"));
}

} // namespace

NameListWindow::NameListWindow(NameListKind kind, Database& db, QWidget* parent)
    : QDialog(parent), m_list(kind, db)
{
    const NameListDescription& description = m_list.description();
    setObjectName(description.window);
    setWindowTitle(description.window);
    setModal(true);

    m_box = new QComboBox(this);
    m_box->setObjectName(QStringLiteral("组合框1"));
    m_box->setEditable(true);
    // Entries are added by 保存 only, never by pressing Enter in the box.
    m_box->setInsertPolicy(QComboBox::NoInsert);
    auto* saveButton = new QPushButton(QStringLiteral("保存"), this);
    saveButton->setObjectName(QStringLiteral("按钮1"));
    auto* deleteButton = new QPushButton(QStringLiteral("删除"), this);
    deleteButton->setObjectName(QStringLiteral("按钮2"));
    connect(saveButton, &QPushButton::clicked, this, &NameListWindow::save);
    connect(deleteButton, &QPushButton::clicked, this, &NameListWindow::remove);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(saveButton);
    buttons->addWidget(deleteButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_box);
    layout->addLayout(buttons);

    if (description.blankFirstEntry)
        FillComboFromTable(m_box, db, QStringLiteral("Select * from ") + description.table,
                           description.column);
    else
        FillUnitList(m_box, db);
}

void NameListWindow::save()
{
    const QString text = m_box->currentText();
    QStringList names = entries();
    switch (m_list.Save(text, names)) {
    case SaveOutcome::NothingEntered:
        tell(this, QStringLiteral("请填入要添加的内容"));
        break;
    case SaveOutcome::AlreadyThere:
        tell(this, QStringLiteral("该项已存在"));
        break;
    case SaveOutcome::Saved:
        showEntries(names, text);
        tell(this, QStringLiteral("保存完成"));
        break;
    case SaveOutcome::Failed:
        // A failed insert is reported so the operator never takes it for saved.
        tell(this, QStringLiteral("保存失败"));
        break;
    }
}

void NameListWindow::remove()
{
    QStringList names = entries();
    switch (m_list.Delete(m_box->currentText(), names)) {
    case DeleteOutcome::NothingChosen:
        tell(this, QStringLiteral("请填入或选择要删除的内容"));
        break;
    case DeleteOutcome::Deleted:
        showEntries(names, QString());
        tell(this, QStringLiteral("删除完成"));
        break;
    case DeleteOutcome::Failed:
        tell(this, QStringLiteral("删除失败"));
        break;
    }
}

QStringList NameListWindow::entries() const
{
    QStringList names;
    for (int i = 0; i < m_box->count(); ++i)
        names.append(m_box->itemText(i));
    return names;
}

void NameListWindow::showEntries(const QStringList& names, const QString& text)
{
    const QSignalBlocker blocker(m_box);
    m_box->clear();
    m_box->addItems(names);
    m_box->setCurrentIndex(names.indexOf(text));
    m_box->setEditText(text);
}

void OpenNameListWindow(NameListKind kind, Database& db, QWidget* parent)
{
    NameListWindow window(kind, db, parent);
    window.exec();
}
