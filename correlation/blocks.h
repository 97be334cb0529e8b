// The working values of the number-block correlation, kept as long as the workbench.
#pragma once

namespace px {

struct BlockState {};

}  // namespace px
