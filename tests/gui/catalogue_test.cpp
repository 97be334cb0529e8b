// The catalogue of screens: every row builds the screen it names, with the window title it gives, and every row's
// opener opens it when a user clicks it.
#include <QSet>

#include "gui_support.h"

namespace {

using pxtest::ScreenTest;

void closeAll() {
    for (px::Screen* s : px::screens::open())
        s->close();
    px::Scenario::settle();
}

TEST_F(ScreenTest, EveryRowOfTheCatalogueBuildsItsScreenWithItsTitle) {
    const auto rows = px::screens::catalogue();
    QSet<QString> names;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name.toStdString());
        EXPECT_FALSE(names.contains(row.name));
        names.insert(row.name);
        EXPECT_FALSE(row.subsystem.isEmpty());
        EXPECT_FALSE(row.file.isEmpty());
        EXPECT_FALSE(row.purpose.isEmpty());
        ASSERT_TRUE(ui.show(row.name.toStdString())) << ui.lastError();
        const px::Screen* s = px::screens::find(row.name);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->windowTitle(), row.title);
        closeAll();
    }
    // Every screen of the application: the cover, the selector, 14 calculators, graphs and the workbench, the
    // glossary, the sheets' selector and its eleven sheets.
    EXPECT_EQ(names.size(), 29);
}

TEST_F(ScreenTest, EveryScreenOpensFromTheControlItsRowNames) {
    for (const auto& row : px::screens::catalogue()) {
        if (row.openedBy.isEmpty()) continue;
        SCOPED_TRACE(row.name.toStdString() + " from " + row.openedBy.toStdString());
        const std::string opener = row.openedBy.section(QLatin1Char('.'), 0, 0).toStdString();
        ASSERT_TRUE(ui.show(opener)) << ui.lastError();
        ASSERT_EQ(px::screens::find(row.name), nullptr);
        ASSERT_TRUE(ui.click(row.openedBy.toStdString())) << ui.lastError();
        EXPECT_NE(px::screens::find(row.name), nullptr);
        closeAll();
    }
    // Each button of the selector opens a screen of its own.
    QSet<QString> opened;
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14}) {
        const QString screen = px::screens::openedBy(QStringLiteral("Form13.Command%1").arg(n));
        EXPECT_FALSE(screen.isEmpty()) << "Command" << n;
        opened.insert(screen);
    }
    EXPECT_EQ(opened.size(), 13);
}

}  // namespace
