#include "widgets/picture.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <memory>
#include <vector>

namespace mirandel {

namespace {

QPixmap drawSvg(QSvgRenderer& renderer, QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    return pixmap;
}

// Parses its file on the first drawing and keeps the few drawings last asked for.
class SvgIconEngine final : public QIconEngine
{
public:
    explicit SvgIconEngine(QString file) : m_file(std::move(file)) {}

    QIconEngine* clone() const override { return new SvgIconEngine(m_file); }
    QString key() const override { return QStringLiteral("mirandel-svg"); }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        if (size.isEmpty())
            return {};
        for (const Drawn& drawn : m_drawn)
            if (drawn.size == size && drawn.mode == mode)
                return drawn.pixmap;
        if (!m_renderer)
            m_renderer = std::make_unique<QSvgRenderer>(m_file);
        QPixmap pixmap = drawSvg(*m_renderer, size);
        if (mode != QIcon::Normal && qApp) {
            QStyleOption option;
            option.palette = QApplication::palette();
            const QPixmap generated =
                QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
            if (!generated.isNull())
                pixmap = generated;
        }
        // A button shows its icon at one or two sizes, in two or three modes.
        constexpr std::size_t kept = 6;
        if (m_drawn.size() >= kept)
            m_drawn.erase(m_drawn.begin());
        m_drawn.push_back({size, mode, pixmap});
        return pixmap;
    }

private:
    struct Drawn
    {
        QSize size;
        QIcon::Mode mode;
        QPixmap pixmap;
    };
    QString m_file;
    std::unique_ptr<QSvgRenderer> m_renderer;
    std::vector<Drawn> m_drawn;
};

} // namespace

TPicture::TPicture(const QString& file, QWidget* parent) : QWidget(parent), m_file(file) {}

void TPicture::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    const QSize size = (QSizeF(this->size()) * ratio).toSize();
    if (size.isEmpty())
        return;
    if (m_drawn.size() != size) {
        QSvgRenderer renderer(m_file);
        m_drawn = drawSvg(renderer, size);
    }
    m_drawn.setDevicePixelRatio(ratio);
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_drawn);
}

QIcon svgIcon(const QString& file)
{
    return QIcon(new SvgIconEngine(file));
}

} // namespace mirandel
