#include "workbench.h"

namespace px {

void Form12::setupAlgorithm(int) {}
void Form12::validateAlgorithm(int) {}
void Form12::computeAlgorithm(int) {}
void Form12::calcolosini() {}
void Form12::algo2c() {}
void Form12::algo3c() {}
void Form12::algo4c() {}
void Form12::algo5c() {}
void Form12::algo6c() {}
void Form12::algo7c() {}

}  // namespace px
