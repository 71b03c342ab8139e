// Reading a real from its text as strtod does, with one difference: a text that overflows
// a double by no more than the rounding of a shown number (1e-9 relative) reads as the
// largest double of its sign. "%.15g" shows DBL_MAX as "1.79769313486232e+308", which
// strtod takes for infinity; here it reads back as the value that was shown. Any other
// overflow gives HUGE_VAL with errno ERANGE, as strtod.
#pragma once

double AfxStrToDouble(const char* text, char** end);
