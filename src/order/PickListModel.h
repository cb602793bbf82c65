#pragma once

#include <QAbstractTableModel>
#include <QVector>

struct MenuCatalogue;

// Catalogue entries whose numeric code, and then independently whose letter
// code, contains the text (case-sensitive), in catalogue order. An entry that
// matches both ways appears twice.
QVector<qsizetype> MatchingEntries(const MenuCatalogue& catalogue, const QString& text);

// The rows of the pick list 超级列表框2: an empty first column, then
// "数字代号", "字母代号", "品名", "价格", "单位" of one catalogue entry per row.
// It only holds entry indices, so a refill is one reset however many rows.
class PickListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    PickListModel(const MenuCatalogue& catalogue, QObject* parent = nullptr);

    void setEntries(QVector<qsizetype> entries);
    // The catalogue index shown in the row.
    qsizetype entryAt(int row) const { return m_entries.at(row); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const MenuCatalogue& m_catalogue;
    QVector<qsizetype> m_entries;
};
