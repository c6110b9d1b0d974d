#include "network_solution.h"

// Each part is one formula over stored Reals, evaluated in Extended and
// rounded once on assignment; no part reads another's unrounded value.
// D23 and D2354 are squared_magnitude(S23) and squared_magnitude(S2354),
// recomputed inside each formula.
void reduce_network(const impedance_set& z, network_solution& s)
{
    using E = Extended;
    const complex_value &Z1 = z.Z1, &Z2 = z.Z2, &Z3 = z.Z3, &Z4 = z.Z4, &Z5 = z.Z5;
    complex_value &P23 = s.P23, &S23 = s.S23, &Z23 = s.Z23, &Z235 = s.Z235;
    complex_value &P2354 = s.P2354, &S2354 = s.S2354, &Z2345 = s.Z2345, &Zekv = s.Zekv;

    P23.re = Real(E(Z2.re) * E(Z3.re) - E(Z2.im) * E(Z3.im));
    P23.im = Real(E(Z2.re) * E(Z3.im) + E(Z2.im) * E(Z3.re));
    S23.re = Real(E(Z2.re) + E(Z3.re));
    S23.im = Real(E(Z2.im) + E(Z3.im));
    // Two quotients added, where Z2345.re below divides a sum once: the
    // digits of each are fixed by its own order of operations.
    Z23.re = Real((E(P23.re) * E(S23.re)) / squared_magnitude(S23) + (E(P23.im) * E(S23.im)) / squared_magnitude(S23));
    Z23.im = Real((E(S23.re) * E(P23.im) - E(S23.im) * E(P23.re)) / squared_magnitude(S23));
    Z235.re = Real(E(Z23.re) + E(Z5.re));
    Z235.im = Real(E(Z23.im) + E(Z5.im));
    P2354.re = Real(E(Z235.re) * E(Z4.re) - E(Z235.im) * E(Z4.im));
    P2354.im = Real(E(Z235.re) * E(Z4.im) + E(Z235.im) * E(Z4.re));
    S2354.re = Real(E(Z235.re) + E(Z4.re));
    S2354.im = Real(E(Z235.im) + E(Z4.im));
    Z2345.re = Real((E(P2354.re) * E(S2354.re) + E(P2354.im) * E(S2354.im)) / squared_magnitude(S2354));
    Z2345.im = Real((E(S2354.re) * E(P2354.im) - E(S2354.im) * E(P2354.re)) / squared_magnitude(S2354));
    Zekv.re = Real(E(Z2345.re) + E(Z1.re));
    Zekv.im = Real(E(Z2345.im) + E(Z1.im));
}

void print_reduction_report(const network_solution& s)
{
    print_complex_line("Z3 par Z2 = ", s.Z23, "\n");
    print_complex_line("Z235 = ", s.Z235, "\n");
    print_complex_line("Z2345 = ", s.Z2345, "\n");
    print_complex_line("Zekv je ", s.Zekv, "\n\n");
}
