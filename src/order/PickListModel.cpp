#include "order/PickListModel.h"

#include "order/MenuCatalogue.h"

namespace {

enum Column { Blank, Code, Letters, Name, Price, Unit, ColumnCount };

} // namespace

QVector<qsizetype> MatchingEntries(const MenuCatalogue& catalogue, const QString& text)
{
    QVector<qsizetype> entries;
    for (qsizetype i = 0; i < catalogue.names.size(); ++i) {
        if (catalogue.codes[i].contains(text, Qt::CaseSensitive))
            entries << i;
        if (catalogue.letters[i].contains(text, Qt::CaseSensitive))
            entries << i;
    }
    return entries;
}

PickListModel::PickListModel(const MenuCatalogue& catalogue, QObject* parent)
    : QAbstractTableModel(parent), m_catalogue(catalogue)
{
}

void PickListModel::setEntries(QVector<qsizetype> entries)
{
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
}

int PickListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
}

int PickListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PickListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_entries.size())
        return {};
    const qsizetype entry = m_entries[index.row()];
    switch (index.column()) {
    case Code: return m_catalogue.codes.value(entry);
    case Letters: return m_catalogue.letters.value(entry);
    case Name: return m_catalogue.names.value(entry);
    case Price: return m_catalogue.prices.value(entry);
    case Unit: return m_catalogue.units.value(entry);
    default: return QString();
    }
}

QVariant PickListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Code: return QStringLiteral("数字代号");
    case Letters: return QStringLiteral("字母代号");
    case Name: return QStringLiteral("品名");
    case Price: return QStringLiteral("价格");
    case Unit: return QStringLiteral("单位");
    default: return QString();
    }
}
