// Faults of a calculation step and how they reach the user.
//
// A calculation step that cannot be carried out (the logarithm of zero, a division by zero, an overflow, a
// 16-bit value out of range, an index beyond a fixed table) throws a Fault at that step.  The screen's handler
// guard catches it, so whatever was written or drawn before stays, and hands it to the current reporter: a modal
// message box in the application, a recorder in tests and in the scenario driver.
#pragma once

#include <exception>
#include <string>
#include <vector>

namespace px {

enum class FaultKind {
    InvalidArgument,  // logarithm of x <= 0, square root of x < 0, negative base with a fractional exponent
    DivisionByZero,   // a division by zero (0/0 included)
    Overflow,         // a result beyond double range, a 16-bit value out of range, a number too large to read
    IndexOutOfRange,  // an index outside a table of fixed size
};

class Fault : public std::exception {
public:
    explicit Fault(FaultKind kind) : kind_(kind) {}
    // A fault of a kind whose cause a subsystem knows better than the kind's name says: the user reads `message`
    // ("Fondo scala troppo piccolo" for an overflowing sweep).  The message is a text of static storage, a literal
    // marked PX_TRANSLATE_NOOP("Fault", …).
    Fault(FaultKind kind, const char* message) : kind_(kind), message_(message) {}
    FaultKind kind() const noexcept { return kind_; }
    // The Italian message, e.g. "Divisione per zero"; the user reads its translation in the context "Fault".
    const char* what() const noexcept override;

private:
    FaultKind kind_;
    const char* message_ = nullptr;
};

// The Italian name of a fault kind, as the message box shows it.
const char* faultMessage(FaultKind kind) noexcept;

// Where faults go.  The widget layer's message box is the application's (fault_box.h, which also chooses the
// reporter in force); tests and the driver install a recorder.
class FaultReporter {
public:
    virtual ~FaultReporter() = default;
    virtual void report(const Fault& fault) = 0;
};

// Keeps the messages of every reported fault, in order, for tests and the scenario driver.
class FaultRecorder : public FaultReporter {
public:
    void report(const Fault& fault) override { messages_.emplace_back(fault.what()); }
    // The messages reported since the last call, and forgets them.
    std::vector<std::string> take();
    const std::vector<std::string>& messages() const { return messages_; }

private:
    std::vector<std::string> messages_;
};

}  // namespace px
