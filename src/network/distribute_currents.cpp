#include "network_solution.h"

namespace {

// The current I entering two parallel impedances whose sum is S: the branch
// carries I * X / S, X being the other branch's impedance. Each term is
// (X part * S part) * I part, the four added from left to right and the sum
// divided once by D = |S|^2; each part is rounded once.
complex_value current_divider(complex_value X, complex_value S, complex_value I)
{
    using E = Extended;
    complex_value part;
    part.re = Real((E(X.re) * E(S.re) * E(I.re) + E(X.re) * E(S.im) * E(I.im) - E(X.im) * E(S.re) * E(I.im) + E(X.im) * E(S.im) * E(I.re)) / squared_magnitude(S));
    part.im = Real((E(X.re) * E(S.re) * E(I.im) - E(X.re) * E(S.im) * E(I.re) + E(X.im) * E(S.re) * E(I.re) + E(X.im) * E(S.im) * E(I.im)) / squared_magnitude(S));
    return part;
}

}  // namespace

void distribute_currents(const impedance_set& z, network_solution& s)
{
    using E = Extended;
    // 220 / Zekv with the source's zero imaginary part left out; the -220
    // makes a positive zero Zekv.im give a negative zero I1.im.
    s.I1.re = Real((E(s.Zekv.re) * 220) / squared_magnitude(s.Zekv));
    s.I1.im = Real((E(s.Zekv.im) * -220) / squared_magnitude(s.Zekv));
    s.I4 = current_divider(s.Z235, s.S2354, s.I1);
    s.I5 = current_divider(z.Z4, s.S2354, s.I1);
    s.I3 = current_divider(z.Z2, s.S23, s.I5);
    s.I2 = current_divider(z.Z3, s.S23, s.I5);
    s.Iab.re = Real(E(s.I4.re) + E(s.I3.re));
    s.Iab.im = Real(E(s.I4.im) + E(s.I3.im));

    s.Iab_ef = magnitude(s.Iab);
    s.I4_ef = magnitude(s.I4);
    s.I5_ef = magnitude(s.I5);
    s.I1_ef = magnitude(s.I1);
    s.I3_ef = magnitude(s.I3);
    s.I2_ef = magnitude(s.I2);
}

void print_current_report(const network_solution& s)
{
    print_complex_line("Ukupna struja (tj struja I1) je ", s.I1, "\n");
    print_complex_line("Struja I2 je ", s.I2, "\n");
    print_complex_line("struja I4 je ", s.I4, "\n");
    print_complex_line("Struja I5 je ", s.I5, "\n");
    print_complex_line("Struja I3 je ", s.I3, "\n");
    print_complex_line("Struja Iab (struja od I3 i I4) je ", s.Iab, "\n\n");

    print_magnitude_line("Struja Iab efektivno je ", s.Iab_ef);
    print_magnitude_line("Struja I4 efektivno je ", s.I4_ef);
    print_magnitude_line("Struja I5 efektivno je ", s.I5_ef);
    print_magnitude_line("Struja I1 efektivno je ", s.I1_ef);
    print_magnitude_line("Struja I3 efektivno je ", s.I3_ef);
    print_magnitude_line("Struja I2 efektivno je ", s.I2_ef);
}
