// What the screen tests share: a fixture that drives the screens through the scenario engine, as a user does.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scenario.h"
#include "screen.h"

namespace pxtest {

// The workbench's delay that equals its sweep counter after `steps` additions of 0.1 to 1e-7: the curve's
// curve divides by zero at that step, so the points before it are drawn and the fault ends the curve.
inline double delayAtCounterStep(int steps) {
    double t = 1e-7;
    for (int k = 0; k < steps; ++k)
        t = t + 0.1;
    return t;
}

class ScreenTest : public testing::Test {
protected:
    px::Scenario ui;

    // Replaces a field's text by typing: select all with Home + shift is not a typed key, so the field is emptied
    // with Backspace from its end, then the characters are typed through the key filter.
    void retype(const std::string& target, const std::string& chars) {
        ASSERT_TRUE(ui.key(target, "End")) << ui.lastError();
        const auto before = ui.text(target);
        for (std::size_t i = 0; i < before.size() + 2; ++i)
            ui.key(target, "Backspace");
        ASSERT_EQ(ui.text(target), "");
        ASSERT_TRUE(ui.type(target, chars)) << ui.lastError();
    }

    // The points of one colour ("#rrggbb"), in drawing order.
    std::vector<px::Primitive> points(const std::string& screen, QRgb colour) {
        std::vector<px::Primitive> out;
        for (const auto& p : ui.primitives(screen))
            if (p.kind == px::Primitive::Point && (p.colour & 0xffffff) == (colour & 0xffffff)) out.push_back(p);
        return out;
    }
    std::vector<px::Primitive> ofKind(const std::string& screen, px::Primitive::Kind kind) {
        std::vector<px::Primitive> out;
        for (const auto& p : ui.primitives(screen))
            if (p.kind == kind) out.push_back(p);
        return out;
    }
};

}  // namespace pxtest
