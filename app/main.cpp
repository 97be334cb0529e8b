#include <QApplication>

#include "catalogue.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("PELAGONIX"));
    QApplication::setOrganizationName(QStringLiteral("PELAGONIX"));
    px::startUp();
    return QApplication::exec();
}
