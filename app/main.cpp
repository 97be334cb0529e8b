#include <QApplication>

#include "catalogue.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("PELAGONIX"));
    px::startUp();
    return QApplication::exec();
}
