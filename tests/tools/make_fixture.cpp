// Makes a data folder with a week of listings for trying pages by hand, taking screenshots and
// exporting: obzorka-fixture FOLDER. Two of the three illustrations are drawn; the third stays
// missing so that its placeholder shows.
#include "store/clock.h"
#include "store/datafolder.h"
#include "store/settings.h"
#include "store/store.h"
#include "support/weekfixture.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

int main(int argc, char* argv[])
{
    // Drawing the illustrations needs fonts, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Použití: obzorka-fixture SLOŽKA\n");
        return 2;
    }
    obzorka::store::Store store;
    QString error;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const auto prepared = obzorka::store::prepareDataFolder(folder, &error);
    if (!prepared || !obzorka::store::installFiles(folder, &error) ||
        !store.otevridb(folder, &error)) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(error));
        return 1;
    }
    obzorka::store::Settings(store).writeAccount(QStringLiteral("demo"), QStringLiteral("demo"));
    obzorka::test::fillWeek(store, obzorka::store::Clock::today());

    const QStringList names = obzorka::test::illustrationNames();
    for (int i = 0; i < 2; ++i) {
        QImage picture(274, 180, QImage::Format_RGB32);
        picture.fill(i == 0 ? QColor(70, 90, 140) : QColor(40, 120, 60));
        QPainter painter(&picture);
        painter.setPen(Qt::white);
        painter.setFont(QFont(QStringLiteral("Liberation Sans"), 22, QFont::Bold));
        painter.drawText(picture.rect(), Qt::AlignCenter, names.at(i).section(u'.', 0, 0));
        painter.end();
        picture.save(prepared->bmp + QStringLiteral("/obr/") + names.at(i), "JPG");
    }
    std::printf("%s\n", qUtf8Printable(folder));
    return 0;
}
