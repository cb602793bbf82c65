#include "reference/NameList.h"

#include "storage/Database.h"

const NameListDescription& DescribeNameList(NameListKind kind)
{
    static const NameListDescription receiptHeaders{
        QStringLiteral("票头设置"), QStringLiteral("票头设置"), QStringLiteral("票头"), true};
    static const NameListDescription shopNames{
        QStringLiteral("店铺名称设置"), QStringLiteral("店名"), QStringLiteral("店铺名称"), true};
    static const NameListDescription discounts{
        QStringLiteral("优惠减免设置"), QStringLiteral("减免"), QStringLiteral("减免名称"), true};
    static const NameListDescription units{
        QStringLiteral("计量单位设置"), QStringLiteral("单位"), QStringLiteral("单位名称"), false};
    switch (kind) {
    case NameListKind::ReceiptHeaders:
        return receiptHeaders;
    case NameListKind::ShopNames:
        return shopNames;
    case NameListKind::Discounts:
        return discounts;
    case NameListKind::Units:
        break;
    }
    return units;
}

NameList::NameList(NameListKind kind, Database& db) : m_description(DescribeNameList(kind)), m_db(db) {}

SaveOutcome NameList::Save(const QString& text, QStringList& entries)
{
    if (text.isEmpty())
        return SaveOutcome::NothingEntered;
    if (entries.contains(text))
        return SaveOutcome::AlreadyThere;
    const QString statement = QStringLiteral("insert into ") + m_description.table + QStringLiteral(" (")
                              + m_description.column + QStringLiteral(") values ('") + sqlText(text)
                              + QStringLiteral("')");
    if (!m_db.execute(statement))
        return SaveOutcome::Failed;
    entries.append(text);
    return SaveOutcome::Saved;
}

DeleteOutcome NameList::Delete(const QString& text, QStringList& entries)
{
    const qsizetype index = entries.indexOf(text);
    if (text.isEmpty() || index < 0)
        return DeleteOutcome::NothingChosen;
    // Removes every row of that name, duplicates included.
    const QString statement = QStringLiteral("delete * from ") + m_description.table
                              + QStringLiteral(" where ") + m_description.column + QStringLiteral(" = '")
                              + sqlText(text) + QStringLiteral("'");
    if (!m_db.execute(statement))
        return DeleteOutcome::Failed;
    entries.removeAt(index);
    return DeleteOutcome::Deleted;
}
