// Renders an SVG picture into square PNG images, one per size, for the Windows program
// icon: svgicon <picture.svg> <output folder> <size>...
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 4)
        return 2;
    QSvgRenderer picture{QString::fromLocal8Bit(argv[1])};
    if (!picture.isValid())
        return 1;
    for (int i = 3; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        picture.render(&painter);
        painter.end();
        if (!image.save(QString::fromLocal8Bit(argv[2]) + QStringLiteral("/icon-%1.png").arg(size)))
            return 1;
    }
    return 0;
}
