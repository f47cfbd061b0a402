#include "text/file_access.h"

namespace fx::platform {

namespace {
thread_local int simulatedWriteFailures = 0;
}  // namespace

SimulatedWriteFailure::SimulatedWriteFailure() { ++simulatedWriteFailures; }
SimulatedWriteFailure::~SimulatedWriteFailure() { --simulatedWriteFailures; }
bool SimulatedWriteFailure::active() { return simulatedWriteFailures > 0; }

}  // namespace fx::platform
