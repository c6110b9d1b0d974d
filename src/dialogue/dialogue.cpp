#include "dialogue.h"

#include <cctype>
#include <cstdio>

#include "floating_point_state.h"

namespace {

const char* const banner =
    "Napomena, zadatak je sastavljen za napon koji je jednak 220 pod kutem 0 stupnjeva\n\n";
const char* const prompt = "Unesi %s ";
const char* const missing_entry = "Greska: nedostaje unos za %s\n";
const char* const not_a_number = "Greska: unos za %s nije broj (decimalni separator je tocka)\n";

// Puts everything written so far on standard output before the message, so
// a combined capture keeps the order.
bool refuse(const char* message, const char* entry)
{
    std::fflush(stdout);
    std::fprintf(stderr, message, entry);
    return false;
}

// Asks for the entry and reads one number into x. A failed read is reported
// on standard error and returns false: left alone, "%f" would keep the bad
// text unread, every later read would fail on it, and the report would show
// numbers the user never typed.
bool read_part(const char* entry, Real& x)
{
    std::printf(prompt, entry);
    // The prompt must be on the console before the program waits.
    std::fflush(stdout);
    int converted = std::scanf("%f", &x);
    if (converted == EOF)
        return refuse(missing_entry, entry);
    // "%f" stops at the first character that cannot continue a number, so
    // 1,5 and 3+4i would be read as 1 and 3; a number must end at white
    // space or at the end of input.
    int next = std::getchar();
    if (converted != 1 || (next != EOF && !std::isspace(next)))
        return refuse(not_a_number, entry);
    std::ungetc(next, stdin);
    return true;
}

}  // namespace

bool read_impedances(impedance_set& z)
{
    return read_part("Z2 - realni dio", z.Z2.re) && read_part("Z2 - imaginarni dio", z.Z2.im) &&
           read_part("Z3 - realni dio", z.Z3.re) && read_part("Z3 - imaginarni dio", z.Z3.im) &&
           read_part("Z5 - realni dio", z.Z5.re) && read_part("Z5 - imaginarni dio", z.Z5.im) &&
           read_part("Z4 - realni dio", z.Z4.re) && read_part("Z4 - imaginarni dio", z.Z4.im) &&
           read_part("Z1 - realni dio", z.Z1.re) && read_part("Z1 - imaginarni dio", z.Z1.im);
}

int run_calculator()
{
    set_floating_point_state();
    std::fputs(banner, stdout);

    impedance_set z;
    if (!read_impedances(z))
        return 1;

    network_solution s;
    reduce_network(z, s);
    distribute_currents(z, s);

    print_reduction_report(s);
    print_current_report(s);
    return 0;
}
