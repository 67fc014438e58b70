#pragma once

#include "model/seams.h"

class InstanceLock;

// Ends the process on the spot: no later handler runs and nothing is saved.
class ImmediateEnd : public ProgramEnd {
public:
    explicit ImmediateEnd(InstanceLock& lock) : lock_(lock) {}
    [[noreturn]] void End() override;

private:
    InstanceLock& lock_;
};
