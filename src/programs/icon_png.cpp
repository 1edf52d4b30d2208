// vacanzio_icon_png <icon.svg> <size> <icon.png>
//
// Run by the build: renders the program's icon, drawn once as SVG, into the
// PNG sizes of the desktop's icon theme, for the package. Needs no display.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: vacanzio_icon_png <icon.svg> <size> <icon.png>\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    const int size = QByteArray(argv[2]).toInt();
    if (!renderer.isValid() || size <= 0) {
        std::fprintf(stderr, "vacanzio_icon_png: cannot read %s\n", argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    // Written under a temporary name and renamed when complete.
    QSaveFile file(QString::fromLocal8Bit(argv[3]));
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        std::fprintf(stderr, "vacanzio_icon_png: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
