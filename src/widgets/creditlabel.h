#pragma once

// A credit label: grey text that turns black while the mouse is over it, a hand cursor,
// and a click signal (the windows open the home or sponsor page through the shell).

#include <QLabel>

namespace mirandel {

class TCreditLabel : public QLabel
{
    Q_OBJECT

public:
    explicit TCreditLabel(const QString& text, QWidget* parent = nullptr);

    static QColor restColour() { return QColor(0x80, 0x80, 0x80); }

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace mirandel
