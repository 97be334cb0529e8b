#pragma once

namespace px {
// Registers the correlation workbench.
void registerCorrelationScreens();
}  // namespace px
