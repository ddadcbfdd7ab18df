#pragma once

namespace pictova {

// Runs the whole program: the single-instance check, the windows, the command line.
int runApplication(int argc, char** argv);

} // namespace pictova
