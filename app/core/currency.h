#pragma once

// The currencies an account can hold. The numeric values are stored nowhere; the
// storage strings live with the other enumerations in data/enumerations.h.
enum class Currency : int
{
    USD = 0,
    EUR = 1,
    GBP = 2,
    CAD = 3,
    AUD = 4,
    JPY = 5,
};
