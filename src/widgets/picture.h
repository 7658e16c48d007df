#pragma once

// The SVG pictures of the resources, each read and parsed only when it is first drawn:
// `TPicture` shows one stretched over a control, `svgIcon` makes a button's or a window's
// icon of one. The drawings are kept by the control or the icon that shows them, at the
// sizes last asked for, and go with it; none is left in Qt's global pixmap cache.

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace mirandel {

class TPicture : public QWidget
{
    Q_OBJECT

public:
    explicit TPicture(const QString& file, QWidget* parent = nullptr);

    QString file() const { return m_file; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_file;
    QPixmap m_drawn;
};

// An icon drawn from `file` at any size and device pixel ratio it is shown at.
QIcon svgIcon(const QString& file);

} // namespace mirandel
