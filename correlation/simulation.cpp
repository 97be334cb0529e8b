#include "workbench.h"

namespace px {

void Form12::simdpredisp() {}
void Form12::tabella() {}
void Form12::prova() {}
void Form12::OUTSYNINP() {}
void Form12::calcolo() {}

}  // namespace px
