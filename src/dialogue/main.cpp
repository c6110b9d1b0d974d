#include "dialogue.h"

// Arguments and environment are ignored.
int main()
{
    return run_calculator();
}
