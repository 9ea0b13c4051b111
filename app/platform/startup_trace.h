// Start-up timing for whoever looks for where the seconds go: with the environment
// variable TARVEL_TRACE naming a file, each step of the start-up appends a line
// with the milliseconds since the process was created and the step's name.
// Without it nothing is written and a step costs one check of a flag.
#pragma once

namespace shell {

void TraceStartup(const char* step);

}  // namespace shell
