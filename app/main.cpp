#include <QApplication>

#include "catalogue.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    px::startUp();
    return QApplication::exec();
}
