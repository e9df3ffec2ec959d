// makeicons PICTURE.svg FOLDER NAME SIZE...: draws the picture as NAME.png at each size, into
// FOLDER/SIZExSIZE/apps, the layout of the desktop's icon theme.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5) {
        std::fprintf(stderr, "usage: makeicons PICTURE.svg FOLDER NAME SIZE...\n");
        return 2;
    }
    QSvgRenderer picture(args[1]);
    if (!picture.isValid()) {
        std::fprintf(stderr, "makeicons: %s is not a picture\n", qPrintable(args[1]));
        return 1;
    }
    for (const QString& sizeText : args.mid(4)) {
        const int size = sizeText.toInt();
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args[2]).arg(size);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        picture.render(&p);
        p.end();
        if (size <= 0 || !QDir().mkpath(folder) ||
            !image.save(folder + u'/' + args[3] + QStringLiteral(".png"))) {
            std::fprintf(stderr, "makeicons: could not write the %s pixel picture into %s\n",
                         qPrintable(sizeText), qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
