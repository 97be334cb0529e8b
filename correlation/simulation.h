// The working values of the dynamic simulation of the digital correlator, kept as long as the workbench.
#pragma once

namespace px {

struct SimulationState {};

}  // namespace px
