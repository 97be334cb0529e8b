#include <QApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QPalette>
#include <QScreen>
#include <QStyleFactory>
#include <clocale>

#include "accessibility.h"
#include "catalogue.h"
#include "controls.h"
#include "memory.h"
#include "numbers.h"
#include "reading.h"
#include "screen.h"

namespace px {

void startUp() {
    // The name the remembered choices are kept under.
    QApplication::setApplicationName(QStringLiteral("PELAGONIX"));
    QApplication::setOrganizationName(QStringLiteral("PELAGONIX"));
    // While the cover is built and read, the room of the largest first screen is touched ahead: a graph's list
    // (about 5 MB), and the window's and the surface's images of a maximized screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize pixels = screen->size() * screen->devicePixelRatio();
        const auto image = static_cast<std::size_t>(pixels.width()) * static_cast<std::size_t>(pixels.height()) * 4;
        memory::keepMapped(2 * image + (8u << 20));
    }
    // The C library's number conversions stay with the full stop whatever the user's settings: regional
    // separators are written by Format and the text form only, from QLocale.
    std::setlocale(LC_NUMERIC, "C");
    reading::apply(reading::preferred());
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette pal = QApplication::palette();
    pal.setColor(QPalette::Window, colour::buttonFace());
    pal.setColor(QPalette::Button, colour::buttonFace());
    pal.setColor(QPalette::WindowText, colour::buttonText());
    pal.setColor(QPalette::ButtonText, colour::buttonText());
    pal.setColor(QPalette::HighlightedText, colour::highlightText());
    QApplication::setPalette(pal);

    // Results are written with the user's regional decimal separator; fields are always read with the full stop.
    setDecimalSeparator(QLocale::system().decimalPoint().toStdString());
    twips::setScale(twips::scaleFor(QGuiApplication::primaryScreen()));
    QApplication::setFont(qtFont(kDialogFont));

    accessibility::install();
    registerAllScreens();
    screens::show(QStringLiteral("Form1"));
}

}  // namespace px
