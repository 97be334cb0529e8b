// The driver's command language: one command a line, answered with one JSON line (an object whose members come
// in the order of their names).
//
//   show SCREEN | close SCREEN | type TARGET "chars" | key TARGET NAME | paste TARGET "text" | pick TARGET "entry"
//   click TARGET | wheel TARGET [NOTCHES] | get TARGET | controls SCREEN | screens | catalogue
//   drawing SCREEN [FILE] | shot SCREEN FILE | faults | clipboard | export SCREEN FORMAT FILE | hover SCREEN X Y
//
// A target is SCREEN or SCREEN.CONTROL; blank lines and lines starting with # are skipped.
#pragma once

#include <string>
#include <vector>

#include "json.h"

namespace px {

class Scenario;

class Interpreter {
public:
    explicit Interpreter(Scenario& scenario) : scenario_(scenario) {}

    // One command line, answered with one JSON line ("" for a blank or comment line).
    std::string execute(const std::string& line);
    // Whether any command so far answered with an error.
    bool hadError() const { return errors_ > 0; }

private:
    std::string error(const std::string& message);

    Scenario& scenario_;
    int errors_ = 0;
};

// Splits a command line into words: blanks separate, double quotes group, \" and \\ escape inside quotes.
std::vector<std::string> splitCommand(const std::string& line);

}  // namespace px
