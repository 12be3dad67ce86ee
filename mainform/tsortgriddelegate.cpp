#include "mainform/tsortgriddelegate.h"

#include <QApplication>
#include <QPainter>
#include <qdrawutil.h>

#include "mainform/tsortgrid.h"

TSortGridDelegate::TSortGridDelegate(TSortGrid* grid)
    : QStyledItemDelegate(grid)
    , m_grid(grid)
{
}

void TSortGridDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    applyformat(option, index);
}

TFormatOptions TSortGridDelegate::applyformat(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    bool selected = option->state.testFlag(QStyle::State_Selected);
    TFormatOptions format = m_grid->cellFormat(index.column(), index.row() + 1, selected);
    option->font = format.Font;
    option->displayAlignment = qtalignment(format);
    if (format.HideText)
        option->text.clear();
    // The row highlight is the selected cell's background.
    if (selected) {
        option->palette.setBrush(QPalette::Highlight, format.Brush);
        option->palette.setColor(QPalette::HighlightedText, format.FontColor);
    } else {
        option->backgroundBrush = format.Brush;
        option->palette.setColor(QPalette::Text, format.FontColor);
    }
    return format;
}

// As the base class paints, with the cell's format asked for only once.
void TSortGridDelegate::paint(
    QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem cell = option;
    QStyledItemDelegate::initStyleOption(&cell, index);
    TFormatOptions format = applyformat(&cell, index);
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
    if (format.Bevel != cbNone)
        qDrawShadeRect(painter, cell.rect.adjusted(0, 0, -1, -1), cell.palette, format.Bevel == cbLowered, 1);
}
