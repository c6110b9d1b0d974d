#pragma once

// Sets the floating-point state the formulas are written for: 64-bit
// significand, round to nearest even, every exception masked. Call once,
// before any arithmetic; nothing changes it afterwards.
void set_floating_point_state();
