#pragma once
// The console dialogue: banner, ten prompts and reads, the report.

#include "network_solution.h"

// One whole run: banner, entry, computing, report. Reads standard input,
// writes standard output; returns the process exit status: 0 after the
// report, 1 when an entry could not be read (no report then).
int run_calculator();

// Writes each prompt and reads its number with "%f" into the matching part
// of z, in the order Z2, Z3, Z5, Z4, Z1, real part first. At the first entry
// that is missing or not a number it writes one message to standard error,
// asks nothing more and returns false.
bool read_impedances(impedance_set& z);
