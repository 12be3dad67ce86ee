// The heading row of a TSortGrid: draws the headings (shortened with ".." when
// too wide, aligned by the grid's cell format, with the sort arrow) and turns
// clicks into sorts. A click sorts when the button goes down and comes up in
// the same column and the press did not grab a column border.
#pragma once

#include <QHeaderView>

class TSortGrid;

class TSortGridHeader : public QHeaderView {
public:
    explicit TSortGridHeader(TSortGrid* grid);

    // `text` cut from the end and ended with ".." so that it fits in `width`
    // pixels of `metrics`; unchanged when it fits.
    static QString shortened(const QString& text, const QFontMetrics& metrics, int width);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool onBorder(int x) const;
    void noteTheButtonWentDown(QMouseEvent* event);

    TSortGrid* m_grid;
    int m_pressCol = -1;
    Qt::MouseButton m_pressButton = Qt::NoButton;
    bool m_borderDrag = false;
};
