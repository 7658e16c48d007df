#pragma once

// A horizontal slider that can show a selection band along its groove, between two
// positions of its range (the kerosene panel shows the band from the lowest product
// temperature to the chosen one). The band is decoration; the value is a QSlider's.

#include <QSlider>

namespace mirandel {

class TTrackBar : public QSlider
{
    Q_OBJECT

public:
    explicit TTrackBar(QWidget* parent = nullptr);

    // The band runs between the two positions, in either order.
    void setSelection(int start, int end);
    int selStart() const { return m_selStart; }
    int selEnd() const { return m_selEnd; }

    static QColor bandColour() { return QColor(0xE0, 0xA5, 0x26); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_selStart = 0;
    int m_selEnd = 0;
};

} // namespace mirandel
