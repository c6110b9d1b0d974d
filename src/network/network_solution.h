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

    // The currents: I1 from the source through Z1, split into I4 (Z4) and
    // I5 (Z5), I5 split into I2 (Z2) and I3 (Z3); Iab = I4 + I3.
    complex_value I1, I4, I5, I3, I2, Iab;
    // Their effective values (magnitudes).
    Real Iab_ef = 0, I4_ef = 0, I5_ef = 0, I1_ef = 0, I3_ef = 0, I2_ef = 0;
};

// Reads the impedances, fills the reduction fields from P23 to Zekv.
// Validates nothing: a zero sum in a parallel combination gives NaN, a
// value beyond the Real range an infinity, and both flow on.
void reduce_network(const impedance_set& z, network_solution& s);

// Writes the four impedance lines, Z23 to Zekv, and an empty line.
void print_reduction_report(const network_solution& s);

// Reads the impedances and the reduction fields that reduce_network filled;
// fills the currents and their effective values. Validates nothing.
void distribute_currents(const impedance_set& z, network_solution& s);

// Writes the six current lines, an empty line and the six effective values.
void print_current_report(const network_solution& s);
