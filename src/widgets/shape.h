#pragma once

// A drawn shape behind other controls: a rounded rectangle with a fill and an outline.

#include <QColor>
#include <QWidget>

namespace mirandel {

class TShape : public QWidget
{
    Q_OBJECT

public:
    explicit TShape(QWidget* parent = nullptr);

    void setBrushColor(const QColor& colour);
    QColor brushColor() const { return m_brush; }
    void setPenColor(const QColor& colour);
    void setRadius(qreal radius);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_brush = Qt::white;
    QColor m_pen = Qt::gray;
    qreal m_radius = 8.0;
};

} // namespace mirandel
