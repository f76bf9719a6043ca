#pragma once

#include <string>

// `value` with a fixed number of decimals in the C locale; "-0.00" is written as "0.00" so that
// equal numbers always give equal text.
std::string Fixed(double value, int decimals);
