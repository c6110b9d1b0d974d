#include "floating_point_state.h"

#include <cfenv>

#if defined(__GLIBC__) && (defined(__x86_64__) || defined(__i386__))
#include <fpu_control.h>
#endif

void set_floating_point_state()
{
    // The default environment: round to nearest, exceptions masked, and on
    // x86 no flush-to-zero for the float and double operations.
    std::fesetenv(FE_DFL_ENV);
#if defined(__GLIBC__) && (defined(__x86_64__) || defined(__i386__))
    // The x87 unit evaluates long double; its precision control must be
    // the full 64-bit significand, whatever the process inherited.
    fpu_control_t word = _FPU_EXTENDED | _FPU_RC_NEAREST | _FPU_MASK_IM | _FPU_MASK_DM |
                         _FPU_MASK_ZM | _FPU_MASK_OM | _FPU_MASK_UM | _FPU_MASK_PM;
    _FPU_SETCW(word);
#endif
}
