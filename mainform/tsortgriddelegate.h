// Draws the data cells of a TSortGrid with the format its OnGetCellFormat hook
// gives each cell.
#pragma once

#include <QStyledItemDelegate>

class TSortGrid;
struct TFormatOptions;

class TSortGridDelegate : public QStyledItemDelegate {
public:
    explicit TSortGridDelegate(TSortGrid* grid);

    void paint(
        QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    TFormatOptions applyformat(QStyleOptionViewItem* option, const QModelIndex& index) const;

    TSortGrid* m_grid;
};
