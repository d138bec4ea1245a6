// Renders an SVG picture into a square PNG: `trv_render_icon SVG SIZE PNG`.
// The build uses it for the icon sizes of the desktop's icon theme.
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: trv_render_icon SVG SIZE PNG\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    const int size = std::stoi(argv[2]);
    if (!svg.isValid() || size <= 0) {
        std::fprintf(stderr, "trv_render_icon: cannot render %s at %s pixels\n", argv[1], argv[2]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.setAspectRatioMode(Qt::KeepAspectRatio);
    svg.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "trv_render_icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
