#pragma once
// What acnet prints, written from the worked examples of the exercise, not
// from the program's own output.

#include <string>

namespace worked {

const std::string banner =
    "Napomena, zadatak je sastavljen za napon koji je jednak 220 pod kutem 0 stupnjeva\n\n";

// In the order they are asked: Z2, Z3, Z5, Z4, Z1, real part first.
const char* const prompts[10] = {
    "Unesi Z2 - realni dio ", "Unesi Z2 - imaginarni dio ",
    "Unesi Z3 - realni dio ", "Unesi Z3 - imaginarni dio ",
    "Unesi Z5 - realni dio ", "Unesi Z5 - imaginarni dio ",
    "Unesi Z4 - realni dio ", "Unesi Z4 - imaginarni dio ",
    "Unesi Z1 - realni dio ", "Unesi Z1 - imaginarni dio ",
};

// The first count prompts, back to back as they stand when nothing echoes.
inline std::string first_prompts(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += prompts[i];
    return text;
}

// The messages for an entry, named as its prompt without "Unesi " and the
// trailing space.
inline std::string missing(const std::string& entry)
{
    return "Greska: nedostaje unos za " + entry + "\n";
}

inline std::string not_a_number(const std::string& entry)
{
    return "Greska: unos za " + entry + " nije broj (decimalni separator je tocka)\n";
}

// Input A: every impedance 10 + 0i. Every value is exact; I1.im is a
// negative zero (a positive zero times -220), the other zeros positive.
const std::string report_A =
    "Z3 par Z2 =   5.0000000000 +   0.0000000000i\n"
    "Z235 =  15.0000000000 +   0.0000000000i\n"
    "Z2345 =   6.0000000000 +   0.0000000000i\n"
    "Zekv je  16.0000000000 +   0.0000000000i\n"
    "\n"
    "Ukupna struja (tj struja I1) je  13.7500000000 +  -0.0000000000i\n"
    "Struja I2 je   2.7500000000 +   0.0000000000i\n"
    "struja I4 je   8.2500000000 +   0.0000000000i\n"
    "Struja I5 je   5.5000000000 +   0.0000000000i\n"
    "Struja I3 je   2.7500000000 +   0.0000000000i\n"
    "Struja Iab (struja od I3 i I4) je  11.0000000000 +   0.0000000000i\n"
    "\n"
    "Struja Iab efektivno je  11.0000000000\n"
    "Struja I4 efektivno je   8.2500000000\n"
    "Struja I5 efektivno je   5.5000000000\n"
    "Struja I1 efektivno je  13.7500000000\n"
    "Struja I3 efektivno je   2.7500000000\n"
    "Struja I2 efektivno je   2.7500000000\n";

// Input B: Z1 = 5 + 5i, Z2 = 10 - 20i, Z3 = 8 + 6i, Z4 = 15, Z5 = 3 + 4i.
// The last digits are those of single-precision results, each formula
// evaluated wide and rounded once.
const std::string input_B = "10 -20 8 6 3 4 15 0 5 5\n";
const char* const answers_B[10] = {"10", "-20", "8", "6", "3", "4", "15", "0", "5", "5"};
const std::string report_B =
    "Z3 par Z2 =   9.6153850555 +   1.9230768681i\n"
    "Z235 =  12.6153850555 +   5.9230766296i\n"
    "Z2345 =   7.2107038498 +   1.6706844568i\n"
    "Zekv je  12.2107038498 +   6.6706843376i\n"
    "\n"
    "Ukupna struja (tj struja I1) je  13.8758487701 +  -7.5803499222i\n"
    "Struja I2 je   3.0532343388 +   2.0587761402i\n"
    "struja I4 je   7.5146007538 +  -2.0984995365i\n"
    "Struja I5 je   6.3612480164 +  -5.4818501472i\n"
    "Struja I3 je   3.3080136776 +  -7.5406260490i\n"
    "Struja Iab (struja od I3 i I4) je  10.8226146698 +  -9.6391258240i\n"
    "\n"
    "Struja Iab efektivno je  14.4928169250\n"
    "Struja I4 efektivno je   7.8021101952\n"
    "Struja I5 efektivno je   8.3973903656\n"
    "Struja I1 efektivno je  15.8114166260\n"
    "Struja I3 efektivno je   8.2343177795\n"
    "Struja I2 efektivno je   3.6824989319\n";

// Z2 = 1 + 1i, Z3 = -1 - 1i: Z2 + Z3 = 0, so Z23 is 0/0 and NaN reaches every
// later value; never printed as "-nan".
const std::string input_zero_sum = "1 1 -1 -1 10 0 10 0 10 0\n";
const std::string report_nan =
    "Z3 par Z2 =            nan +            nani\n"
    "Z235 =            nan +            nani\n"
    "Z2345 =            nan +            nani\n"
    "Zekv je            nan +            nani\n"
    "\n"
    "Ukupna struja (tj struja I1) je            nan +            nani\n"
    "Struja I2 je            nan +            nani\n"
    "struja I4 je            nan +            nani\n"
    "Struja I5 je            nan +            nani\n"
    "Struja I3 je            nan +            nani\n"
    "Struja Iab (struja od I3 i I4) je            nan +            nani\n"
    "\n"
    "Struja Iab efektivno je            nan\n"
    "Struja I4 efektivno je            nan\n"
    "Struja I5 efektivno je            nan\n"
    "Struja I1 efektivno je            nan\n"
    "Struja I3 efektivno je            nan\n"
    "Struja I2 efektivno je            nan\n";

}  // namespace worked
