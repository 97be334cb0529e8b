#include "workbench.h"

namespace px {

void Form12::predsblocchi() {}
void Form12::label() {}
void Form12::cornumerica2() {}
void Form12::cornumerica1() {}

}  // namespace px
