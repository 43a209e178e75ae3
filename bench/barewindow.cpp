// The start-up benchmark's reference: a bare Qt window of the help screen's size that shows
// one line of Japanese, with nothing else loaded.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(800, 600);
    auto *label = new QLabel(QStringLiteral("英単語・英作文が身につくソフト"), &window);
    label->move(40, 40);
    window.show();
    return app.exec();
}
