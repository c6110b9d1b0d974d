#include "dialogue.h"

#include <cstdio>

#include "floating_point_state.h"

namespace {

const char* const banner =
    "Napomena, zadatak je sastavljen za napon koji je jednak 220 pod kutem 0 stupnjeva\n\n";

// Writes the prompt and reads one number into x. A failed read leaves x as
// it was.
void read_part(const char* prompt, Real& x)
{
    std::fputs(prompt, stdout);
    // The prompt must be on the console before the program waits.
    std::fflush(stdout);
    (void)std::scanf("%f", &x);
}

}  // namespace

void read_impedances(impedance_set& z)
{
    read_part("Unesi Z2 - realni dio ", z.Z2.re);
    read_part("Unesi Z2 - imaginarni dio ", z.Z2.im);
    read_part("Unesi Z3 - realni dio ", z.Z3.re);
    read_part("Unesi Z3 - imaginarni dio ", z.Z3.im);
    read_part("Unesi Z5 - realni dio ", z.Z5.re);
    read_part("Unesi Z5 - imaginarni dio ", z.Z5.im);
    read_part("Unesi Z4 - realni dio ", z.Z4.re);
    read_part("Unesi Z4 - imaginarni dio ", z.Z4.im);
    read_part("Unesi Z1 - realni dio ", z.Z1.re);
    read_part("Unesi Z1 - imaginarni dio ", z.Z1.im);
}

int run_calculator()
{
    set_floating_point_state();
    std::fputs(banner, stdout);

    impedance_set z;
    read_impedances(z);

    network_solution s;
    reduce_network(z, s);
    distribute_currents(z, s);

    print_reduction_report(s);
    print_current_report(s);
    return 0;
}
