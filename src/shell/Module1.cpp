#include "Module1.h"

Module1 &Module1::shared()
{
    static Module1 instance;
    return instance;
}

void Module1::reset()
{
    shared() = Module1();
}
