// The four families of the workbench's processes, one object each, owned by the screen: the curves, the
// digital-system algorithms, the dynamic simulation and the number blocks.  Each takes the values of the data
// fields over into its inputs, computes with the family's plain computations (curves.h, algorithms.h,
// simulation.h, blocks.h), and shows what they give: the points on the plot, the report's lines, the fields and
// the working values the screen keeps.  A family's own state (the simulation's run, the blocks typed so far) lives
// in its object.
#pragma once

#include "blocks.h"
#include "simulation.h"

namespace px {

class Form12;

// The eight curves: the fields taken over into the working values, and the sweep drawn point by point.
class CurveFamily {
public:
    explicit CurveFamily(Form12& screen) : f(screen) {}
    void takeOver(int process);
    void compute(int process);

private:
    Form12& f;
};

// The seven algorithms of the digital system, each entry of the algorithm list with its own fields.
class AlgorithmFamily {
public:
    explicit AlgorithmFamily(Form12& screen) : f(screen) {}
    void setup(int entry);
    void takeOver(int entry);
    void compute(int entry);

private:
    Form12& f;
};

// The dynamic simulation: its run goes on from the event loop, one cycle a step.  Its inputs (the Si/Ni of field 1,
// the RC of field 2, the gain of txtdigits7) follow the fields as they are typed, also during a run.
class SimulationFamily {
public:
    explicit SimulationFamily(Form12& screen) : f(screen) {}
    // Follows the input fields from now on.
    void listen();
    void setup();
    void takeOver();
    // Starts the run, or stops the one that runs.
    void compute();

    SimulationState state;
    CycleFields inputs;

private:
    // One cycle of the run; false once the run is over, or when the user has picked another process.
    bool cycle();
    void show(const CycleOutput& out);
    Form12& f;
};

// The correlation of two blocks of numbers, typed a pair at a time.
class BlockFamily {
public:
    explicit BlockFamily(Form12& screen) : f(screen) {}
    void setup();
    void takeOver();
    void compute();

    BlockState state;

private:
    // The captions of fields 2 and 3 announce the index the next pair takes.
    void announce(std::optional<int> index);
    Form12& f;
};

}  // namespace px
