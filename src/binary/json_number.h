#pragma once

// The JSON export does not write the float32 a binary file holds: it keeps
// a fixed number of decimals per kind of number and writes the float32
// nearest to that as its shortest decimal. These give the double a JSON
// parser reads from that text, so that a binary file yields the JSON
// export's numbers.

enum class DecimalRounding {
    HalfUp,             // floor(x * 10^d + 0.5): 3.5.04 and later
    TowardZero,         // trunc(x * 10^d): 3.5.03
    TowardZeroAsFloat,  // trunc((float)(x * 10^d)): 3.3 to 3.5.02
};

// x rounded to `decimals` decimals, then to the nearest float32, as the
// JSON export writes it; -0 becomes 0.
double jsonNumber(float x, int decimals, DecimalRounding rounding = DecimalRounding::HalfUp);

// x as the shortest decimal that reads back as the same float32 (numbers
// the export writes without rounding: fps, event floats).
double shortestFloat(float x);
