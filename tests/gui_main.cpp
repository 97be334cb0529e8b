// The shared main of the screen tests: the offscreen platform, the whole catalogue, and a check after every test
// that it left no modal dialog open and no screen behind.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include "catalogue.h"
#include "controls.h"
#include "numbers.h"
#include "scenario.h"
#include "screen.h"

namespace {

class ScreenHygiene : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo&) override {
        if (QApplication::activeModalWidget() != nullptr) {
            ADD_FAILURE() << "a modal dialog was left open";
            QApplication::activeModalWidget()->close();
        }
        for (px::Screen* s : px::screens::open())
            s->close();
        px::Scenario::settle();
        px::setDecimalSeparator(".");
    }
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    px::Scenario::keepSettingsApart();
    px::startUp();
    // Every test starts with no screen open and the full stop as separator; tests that need the cover show it.
    for (px::Screen* s : px::screens::open())
        s->close();
    px::Scenario::settle();
    px::setDecimalSeparator(".");
    testing::UnitTest::GetInstance()->listeners().Append(new ScreenHygiene);
    return RUN_ALL_TESTS();
}
