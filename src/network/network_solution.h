#pragma once
// The network: a source of 220 V at 0 degrees feeds Z1 in series with Z4
// parallel to (Z5 in series with Z2 parallel Z3).

#include "complex_value.h"

// The five impedances as the user typed them.
struct impedance_set {
    complex_value Z1, Z2, Z3, Z4, Z5;
};

// Every quantity one run computes, each part a Real rounded once.
struct network_solution {
    // The reduction, in the order it is computed.
    complex_value P23, S23, Z23;         // Z2 parallel Z3 = P23 / S23
    complex_value Z235;                  // Z23 + Z5
    complex_value P2354, S2354, Z2345;   // Z235 parallel Z4 = P2354 / S2354
    complex_value Zekv;                  // Z2345 + Z1
};

// Reads the impedances, fills the reduction fields from P23 to Zekv.
// Validates nothing: a zero sum in a parallel combination gives NaN, a
// value beyond the Real range an infinity, and both flow on.
void reduce_network(const impedance_set& z, network_solution& s);

// Writes the four impedance lines, Z23 to Zekv, and an empty line.
void print_reduction_report(const network_solution& s);
