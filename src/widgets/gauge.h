#pragma once

// A vertical bar gauge drawn as an instrument: the value is held within the range and the
// bar fills from the bottom in whole-percent steps (percentage truncated, then the filled
// height truncated). Used by the thermometers of the temperature and kerosene panels and
// by the atmosphere window. Assistive technology sees a progress bar with its value.

#include <QColor>
#include <QWidget>

namespace mirandel {

class TGauge : public QWidget
{
    Q_OBJECT

public:
    explicit TGauge(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    // Sets the value, held at the nearer end of the range.
    void setProgress(int value);
    int progress() const { return m_progress; }

    // 100 × (value − minimum) ÷ (maximum − minimum), truncated.
    int percent() const;
    // The filled height in pixels for a gauge `height` pixels high.
    int filledHeight(int height) const;

    void setForeColor(const QColor& colour);
    void setBackColor(const QColor& colour);
    QColor foreColor() const { return m_fore; }

    QSize sizeHint() const override { return {12, 120}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_minimum = 0;
    int m_maximum = 100;
    int m_progress = 0;
    QColor m_fore = Qt::red;
    QColor m_back = Qt::white;
};

} // namespace mirandel
