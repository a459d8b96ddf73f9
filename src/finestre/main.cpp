#include <QApplication>

int main(int argc, char** argv) {
    QApplication applicazione(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pentaludo"));
    return 0;
}
