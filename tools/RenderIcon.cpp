// Renders an SVG picture to a square PNG of the given size, for the icon theme's fixed sizes:
//   velloran-render-icon IN.svg SIZE OUT.png
// Runs at build time without a display.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 4)
    {
        std::cerr << "usage: velloran-render-icon IN.svg SIZE OUT.png\n";
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    const int size = QByteArray(argv[2]).toInt();
    if (!renderer.isValid() || size <= 0 || size > 1024)
    {
        std::cerr << "velloran-render-icon: cannot render " << argv[1] << " at " << argv[2] << "\n";
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG"))
    {
        std::cerr << "velloran-render-icon: cannot write " << argv[3] << "\n";
        return 1;
    }
    return 0;
}
