// Times appendNumber against the QString::number(value, 'g', 6) it
// replaces, over ten million values like those of a skeleton file, and
// prints nanoseconds per value for both. Not a test: it checks nothing but
// that both produce the same text.

#include "qmltext/number_format.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

namespace {

// Coordinates in hundredths, angles in thousandths of a degree, scales and
// colour channels near one, key times in frames of 1/30 s, single-precision
// data and whole numbers, in equal parts.
std::vector<double> realisticValues(int count)
{
    std::mt19937_64 random(12345);
    std::uniform_int_distribution<int> hundredths(-100000, 100000);
    std::uniform_int_distribution<int> thousandths(-360000, 360000);
    std::uniform_real_distribution<double> scale(0.25, 2.0);
    std::uniform_real_distribution<double> channel(0.0, 1.0);
    std::uniform_int_distribution<int> frames(0, 3000);
    std::uniform_real_distribution<float> single(-1000.0f, 1000.0f);
    std::uniform_int_distribution<int> whole(-2000, 2000);
    std::vector<double> values;
    values.reserve(count);
    for (int i = 0; i < count; ++i) {
        switch (i % 7) {
        case 0: values.push_back(hundredths(random) / 100.0); break;
        case 1: values.push_back(thousandths(random) / 1000.0); break;
        case 2: values.push_back(scale(random)); break;
        case 3: values.push_back(channel(random)); break;
        case 4: values.push_back(frames(random) / 30.0); break;
        case 5: values.push_back(double(single(random))); break;
        default: values.push_back(double(whole(random))); break;
        }
    }
    std::shuffle(values.begin(), values.end(), random);
    return values;
}

// Best of three runs of formatting every value into a line buffer that is
// emptied every 16 values, like the lines of a QML document. Returns
// nanoseconds per value; adds the text length to *checksum.
template <typename Format>
double time(const std::vector<double> &values, Format format, long long *checksum)
{
    double best = 1e300;
    for (int run = 0; run < 3; ++run) {
        QString line;
        line.reserve(256);
        long long length = 0;
        const auto start = std::chrono::steady_clock::now();
        for (size_t i = 0; i < values.size(); ++i) {
            format(line, values[i]);
            line += QLatin1Char(' ');
            if ((i & 15) == 15) {
                length += line.size();
                line.resize(0);
            }
        }
        const auto end = std::chrono::steady_clock::now();
        length += line.size();
        *checksum += length;
        best = std::min(best, std::chrono::duration<double, std::nano>(end - start).count());
    }
    return best / double(values.size());
}

} // namespace

int main()
{
    const int count = 10000000;
    const std::vector<double> values = realisticValues(count);

    long long mismatches = 0;
    for (int i = 0; i < count; i += 97) {
        if (formatNumber(values[i]) != QString::number(values[i], 'g', 6))
            ++mismatches;
    }

    long long newLength = 0;
    long long qtLength = 0;
    long long loopLength = 0;
    const double loopTime = time(values, [](QString &out, double) { out += QLatin1Char('0'); },
                                 &loopLength);
    const double newTime = time(values, [](QString &out, double value) { appendNumber(out, value); },
                                &newLength);
    const double qtTime = time(values, [](QString &out, double value) {
        out += QString::number(value, 'g', 6);
    }, &qtLength);

    std::printf("%d realistic values\n", count);
    std::printf("appendNumber:                 %7.2f ns/value\n", newTime);
    std::printf("QString::number(v, 'g', 6):   %7.2f ns/value\n", qtTime);
    std::printf("speed-up:                     %7.2fx\n", qtTime / newTime);
    std::printf("(the loop alone, appending '0': %.2f ns/value)\n", loopTime);
    std::printf("text lengths %s, %lld of %d sampled values differ\n",
                newLength == qtLength ? "equal" : "DIFFER", mismatches, (count + 96) / 97);
    return newLength == qtLength && mismatches == 0 ? 0 : 1;
}
