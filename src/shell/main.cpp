#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("ЭУИ \"Ларендо\""));
    window.resize(940, 780);
    window.show();
    return app.exec();
}
