#pragma once

// A thermometer drawn as an instrument: a rounded plate with a column of tick marks, a
// vertical bar gauge (TGauge) and a round bulb at its foot that holds a value label and a
// unit label. The caller names the gauge and the two labels, sets the gauge's range and
// progress through gauge(), and writes the labels; the thermometer only draws and places.

#include <QColor>
#include <QWidget>

class QLabel;

namespace mirandel {

class TGauge;
class TShape;

class TThermometer : public QWidget
{
    Q_OBJECT

public:
    TThermometer(QWidget* parent, const QColor& liquid, const QString& gaugeName,
                 const QString& valueName, const QString& unitName);

    TGauge* gauge() const { return m_gauge; }
    QLabel* valueLabel() const { return m_value; }
    QLabel* unitLabel() const { return m_unit; }

    // The gauge's range; the tick marks follow it.
    void setRange(int minimum, int maximum);
    // A tick mark at every multiple of `step` within the range, a longer one at every
    // multiple of `majorStep`.
    void setTicks(int step, int majorStep);

    static QColor plateColour() { return QColor(0xEE, 0xEE, 0xEE); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int bulbDiameter() const;
    QRectF plate() const;
    void placeParts();

    TGauge* m_gauge;
    TShape* m_bulb;
    QLabel* m_value;
    QLabel* m_unit;
    int m_step = 0;
    int m_majorStep = 0;
};

} // namespace mirandel
