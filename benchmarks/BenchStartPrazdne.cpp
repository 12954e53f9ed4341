// The yardsticks for the start-up benchmark: an empty main window, shown, then idle;
// with --text the same window with one menu and one line of text.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication aplikace(argc, argv);
    QMainWindow okno;
    if (aplikace.arguments().contains(QStringLiteral("--text"))) {
        okno.menuBar()->addMenu(QStringLiteral("Okrsek"))->addAction(QStringLiteral("Konec"));
        okno.setCentralWidget(new QLabel(QStringLiteral("Obec: 598761 - Žďárek nad Úhlavou")));
    }
    okno.show();
    QTimer::singleShot(0, &okno, [] {
        std::fputs("prazdne: okno zobrazeno\n", stdout);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return QCoreApplication::exec();
}
