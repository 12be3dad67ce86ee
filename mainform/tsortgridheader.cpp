#include "mainform/tsortgridheader.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>

#include "mainform/tsortgrid.h"

namespace {

constexpr int textMargin = 4;
constexpr int arrowWidth = 9;
constexpr int arrowHeight = 5;

void drawarrow(QPainter* painter, const QRect& area, bool up, const QColor& color)
{
    int left = area.right() - textMargin - arrowWidth + 1;
    int top = area.center().y() - arrowHeight / 2;
    QPolygon arrow;
    if (up)
        arrow << QPoint(left, top + arrowHeight) << QPoint(left + arrowWidth, top + arrowHeight)
              << QPoint(left + arrowWidth / 2, top);
    else
        arrow << QPoint(left, top) << QPoint(left + arrowWidth, top)
              << QPoint(left + arrowWidth / 2, top + arrowHeight);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(color);
    painter->drawPolygon(arrow);
    painter->restore();
}

} // namespace

TSortGridHeader::TSortGridHeader(TSortGrid* grid)
    : QHeaderView(Qt::Horizontal, grid)
    , m_grid(grid)
{
    setObjectName("gridheader");
    // Clicks are ours: the base class would select the column.
    setSectionsClickable(false);
    setSectionsMovable(false);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Interactive);
    setMinimumSectionSize(0);
    setDefaultSectionSize(64);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A right click on a heading sorts; it opens no menu.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

QString TSortGridHeader::shortened(const QString& text, const QFontMetrics& metrics, int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    // The longest start of the text that still fits with "..": binary search.
    qsizetype low = 0;
    qsizetype high = text.size();
    while (low < high) {
        qsizetype mid = (low + high + 1) / 2;
        if (metrics.horizontalAdvance(text.left(mid) + QStringLiteral("..")) <= width)
            low = mid;
        else
            high = mid - 1;
    }
    return text.left(low) + QStringLiteral("..");
}

void TSortGridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    QStyleOptionHeader option;
    initStyleOptionForIndex(&option, logicalIndex);
    option.rect = rect;
    option.text.clear();
    option.sortIndicator = QStyleOptionHeader::None;
    style()->drawControl(QStyle::CE_HeaderSection, &option, painter, this);

    TFormatOptions format = m_grid->cellFormat(logicalIndex, 0, false);
    if (format.Brush != QBrush(palette().color(QPalette::Button)))
        painter->fillRect(rect.adjusted(1, 1, -1, -1), format.Brush);

    bool sorted = logicalIndex == m_grid->SortCol();
    QRect textArea = rect.adjusted(textMargin, 2, -textMargin, -2);
    if (sorted)
        textArea.setRight(textArea.right() - arrowWidth - textMargin);
    if (!format.HideText && textArea.width() > 0) {
        painter->save();
        painter->setFont(format.Font);
        painter->setPen(format.FontColor);
        QString text = shortened(m_grid->Cells(logicalIndex, 0), QFontMetrics(format.Font), textArea.width());
        painter->drawText(textArea, int(qtalignment(format)), text);
        painter->restore();
    }
    if (sorted && rect.width() > arrowWidth + 2 * textMargin)
        drawarrow(painter, rect, m_grid->SortDirection() == sdAscending, format.FontColor);
}

// The same test the base class makes before it starts a border drag.
bool TSortGridHeader::onBorder(int x) const
{
    int col = logicalIndexAt(x);
    if (col < 0)
        return false;
    int grip = style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, this);
    int start = sectionViewportPosition(col);
    bool atLeft = x < start + grip && visualIndex(col) > 0;
    bool atRight = x > start + sectionSize(col) - grip;
    return atLeft || atRight;
}

void TSortGridHeader::noteTheButtonWentDown(QMouseEvent* event)
{
    int x = event->position().toPoint().x();
    m_pressButton = event->button();
    m_borderDrag = event->button() == Qt::LeftButton && onBorder(x);
    m_pressCol = m_borderDrag ? -1 : logicalIndexAt(x);
}

void TSortGridHeader::mousePressEvent(QMouseEvent* event)
{
    noteTheButtonWentDown(event);
    QHeaderView::mousePressEvent(event);
}

// The second click of a double click is a click of its own.
void TSortGridHeader::mouseDoubleClickEvent(QMouseEvent* event)
{
    noteTheButtonWentDown(event);
    QHeaderView::mouseDoubleClickEvent(event);
}

void TSortGridHeader::mouseReleaseEvent(QMouseEvent* event)
{
    QHeaderView::mouseReleaseEvent(event);
    int col = logicalIndexAt(event->position().toPoint().x());
    bool click = !m_borderDrag && col >= 0 && col == m_pressCol && event->button() == m_pressButton;
    m_pressCol = -1;
    m_borderDrag = false;
    if (click && (event->button() == Qt::LeftButton || event->button() == Qt::RightButton))
        m_grid->headerClicked(col, event->button());
}
