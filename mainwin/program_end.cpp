#include "mainwin/program_end.h"

#include <cstdio>
#include <cstdlib>

#include "mainwin/instance_lock.h"

void ImmediateEnd::End()
{
    lock_.Release();
    std::fflush(nullptr);
    std::_Exit(0);
}
