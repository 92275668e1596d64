// Times the converter against the floor it cannot beat, parsing the same
// bytes, on generated skeletons of several sizes, and prints one table.
//
// Every measurement is a process of its own, so that its peak resident
// memory (ru_maxrss from wait4) is its alone; times are wall-clock medians.
// The converter is run as a user runs it, "rigsmith input out.qml", so its
// time holds reading, parsing, building and writing.
//
// With --layout-4.2 MB one more row times the skeleton of that size in the
// 4.2 spelling, which the converter upgrades on read, and --layout-4.3 MB in
// the 4.3 spelling (constraints in one list); --channel-curves MB
// adds that skeleton with a curve of its own per channel of each bone key,
// and --one-animation MB a 4.2 skeleton whose keys are all in one animation;
// --draw-order-events MB a 4.2 skeleton of 200 slots with a draw order key
// and an event at every frame of one long animation. --sizes none leaves out
// the 2.x rows, to time only the others.
//
// With --stages MB each input kind of that size is also run under callgrind
// (instruction counts do not depend on the machine's load), and the
// conversion's instructions are split by stage: parse, upgrade, check, and
// building and writing the document.
//
// Plain C++ and POSIX on purpose: this process stays small, and its own
// memory, which a child inherits until it execs, cannot blur the figures.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

struct Options {
    std::string generator;
    std::string parseOnly;
    std::string converter;
    std::string workDir = "/tmp/rigsmith-bench";
    std::vector<double> sizesMb = {1, 10, 50};
    double layout42Mb = 0; // 0: no 4.2 row
    double layout43Mb = 0; // 0: no 4.3 row
    bool binary42 = false; // the 4.2 skeleton also as a binary export
    double channelCurvesMb = 0; // 0: no such row
    double oneAnimationMb = 0;
    double drawOrderEventsMb = 0;
    std::vector<double> stagesSizesMb; // empty: no instruction counts
    std::string valgrind = "/usr/bin/valgrind";
    std::string annotate = "/usr/bin/callgrind_annotate";
    int runs = 5;
    unsigned long long seed = 20240617;
    bool strict = false;
};

struct Run {
    int exitStatus = -1; // -1 when the process did not exit normally
    double seconds = 0;
    double peakMb = 0; // resident, in 10^6 bytes
};

// The kinds of input the benchmark times: the generator's flags for each.
struct InputKind {
    const char *label;
    const char *layout; // the generator's --layout, empty for 2.x
    const char *variant;
};
const InputKind plain2x = {"2.x", "", ""};
const InputKind plain42 = {"4.2", "4.2", ""};
const InputKind plain43 = {"4.3", "4.3", ""};
const InputKind channelCurves = {"4.2, channel curves", "4.2", "--channel-curves"};
const InputKind oneAnimation = {"4.2, one animation", "4.2", "--one-animation"};
const InputKind drawOrderEvents = {"4.2, draw order and events", "4.2", "--draw-order-events"};

struct Row {
    double inputMb = 0;
    double outputMb = 0;
    double parseSeconds = 0, convertSeconds = 0;
    double parsePeakMb = 0, convertPeakMb = 0;
    double parseSpread = 0, convertSpread = 0; // (slowest - fastest) / median
    std::string contents; // the generator's description of the input
    // The same skeleton as a 4.2 binary export, converted in the same runs.
    double binaryMb = 0, binarySeconds = 0, binaryPeakMb = 0;
    const InputKind *kind = nullptr;
};

const double bytesPerMb = 1e6;

[[noreturn]] void fail(const std::string &message)
{
    std::fprintf(stderr, "run_benchmark: %s\n", message.c_str());
    std::exit(1);
}

// Runs argv with standard output and error going to logPath.
Run runProcess(const std::vector<std::string> &argv, const std::string &logPath)
{
    std::vector<char *> args;
    for (const std::string &arg : argv)
        args.push_back(const_cast<char *>(arg.c_str()));
    args.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, logPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);

    Run run;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawnError = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawnError != 0)
        fail("cannot start " + argv[0] + ": " + std::strerror(spawnError));
    int status = 0;
    struct rusage usage {};
    if (wait4(pid, &status, 0, &usage) != pid)
        fail("lost the process of " + argv[0]);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.peakMb = double(usage.ru_maxrss) * 1024 / bytesPerMb; // Linux gives KiB
    if (WIFEXITED(status))
        run.exitStatus = WEXITSTATUS(status);
    return run;
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

long long fileSize(const std::string &path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? (long long)info.st_size : -1;
}

// A run that must succeed; its log is shown when it does not.
Run runChecked(const std::vector<std::string> &argv, const std::string &logPath)
{
    const Run run = runProcess(argv, logPath);
    if (run.exitStatus != 0) {
        std::string log = readFile(logPath);
        if (log.size() > 2000)
            log = "..." + log.substr(log.size() - 2000);
        fail(argv[0] + " failed (status " + std::to_string(run.exitStatus) + "):\n" + log);
    }
    return run;
}

double spread(const std::vector<double> &values, double middle)
{
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return (*high - *low) / middle;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string firstLine(const std::string &text)
{
    return text.substr(0, text.find('\n'));
}

std::string machineDescription()
{
    std::string cpu = "unknown CPU";
    std::ifstream cpuinfo("/proc/cpuinfo");
    for (std::string line; std::getline(cpuinfo, line);) {
        if (line.rfind("model name", 0) == 0) {
            cpu = line.substr(line.find(':') + 2);
            break;
        }
    }
    std::string memory = "unknown";
    std::ifstream meminfo("/proc/meminfo");
    for (std::string line; std::getline(meminfo, line);) {
        if (line.rfind("MemTotal:", 0) == 0) {
            const double kib = std::atof(line.c_str() + 9);
            char text[32];
            std::snprintf(text, sizeof text, "%.1f GiB", kib / (1024 * 1024));
            memory = text;
            break;
        }
    }
    return std::to_string(sysconf(_SC_NPROCESSORS_ONLN)) + " x " + cpu + ", " + memory
            + " memory";
}

std::string inputBase(const Options &options, double sizeMb, const InputKind &kind)
{
    char name[64];
    std::snprintf(name, sizeof name, "skeleton-%gmb", sizeMb);
    std::string base = options.workDir + "/" + name;
    if (*kind.layout)
        base += std::string("-") + kind.layout;
    if (*kind.variant)
        base += std::string(kind.variant).substr(1);
    return base;
}

// Writes the input of that size and kind; returns the generator's
// description of it.
std::string generateInput(const Options &options, double sizeMb, const InputKind &kind)
{
    const std::string base = inputBase(options, sizeMb, kind);
    const std::string log = base + ".log";
    std::vector<std::string> generate = {options.generator, base + ".json",
                                         std::to_string(std::llround(sizeMb * bytesPerMb)),
                                         std::to_string(options.seed)};
    if (*kind.layout)
        generate.insert(generate.end(), {"--layout", kind.layout});
    if (*kind.variant)
        generate.push_back(kind.variant);
    runChecked(generate, log);
    return firstLine(readFile(log));
}

Row measure(const Options &options, double sizeMb, const InputKind &kind)
{
    const bool newer = *kind.layout;
    const std::string base = inputBase(options, sizeMb, kind);
    const std::string input = base + ".json";
    const std::string output = base + ".qml";
    const std::string log = base + ".log";
    const long long target = std::llround(sizeMb * bytesPerMb);

    Row row;
    row.kind = &kind;
    row.contents = generateInput(options, sizeMb, kind);
    // One long animation has no room for every kind of timeline the check
    // asks for.
    if (kind.variant != oneAnimation.variant && kind.variant != drawOrderEvents.variant)
        runChecked({options.parseOnly, "--check", input}, log);
    const long long bytes = fileSize(input);
    // A 4.2 or 4.3 file holds the skeleton of the 2.x file of that size, in
    // a spelling of another length.
    if (!newer && std::llabs(bytes - target) > target / 100)
        fail(input + " has " + std::to_string(bytes) + " bytes, asked for "
             + std::to_string(target));
    row.inputMb = double(bytes) / bytesPerMb;

    // One run of each first, untimed: it fills the page cache and proves
    // that both succeed on this input.
    runChecked({options.parseOnly, input}, log);
    runChecked({options.converter, input, output}, log);
    // Only the plain 4.2 skeleton is also written as a binary export.
    const bool binary = &kind == &plain42 && options.binary42;
    const std::string skel = base + ".skel";
    // Its own document, so that the output size stays the JSON conversion's.
    const std::string skelOutput = base + "-skel.qml";
    if (binary) {
        runChecked({options.generator, skel, std::to_string(target), std::to_string(options.seed),
                    "--layout", "4.2-binary"},
                   log);
        row.binaryMb = double(fileSize(skel)) / bytesPerMb;
        runChecked({options.converter, skel, skelOutput}, log);
    }
    std::vector<double> binaryTimes, binaryPeaks;
    std::vector<double> parseTimes, convertTimes, parsePeaks, convertPeaks;
    for (int i = 0; i < options.runs; ++i) {
        const Run parse = runChecked({options.parseOnly, input}, log);
        parseTimes.push_back(parse.seconds);
        parsePeaks.push_back(parse.peakMb);
        const Run convert = runChecked({options.converter, input, output}, log);
        convertTimes.push_back(convert.seconds);
        convertPeaks.push_back(convert.peakMb);
        if (binary) {
            const Run fromBinary = runChecked({options.converter, skel, skelOutput}, log);
            binaryTimes.push_back(fromBinary.seconds);
            binaryPeaks.push_back(fromBinary.peakMb);
        }
    }
    if (binary) {
        row.binarySeconds = median(binaryTimes);
        row.binaryPeakMb = median(binaryPeaks);
    }
    row.parseSeconds = median(parseTimes);
    row.convertSeconds = median(convertTimes);
    row.parsePeakMb = median(parsePeaks);
    row.convertPeakMb = median(convertPeaks);
    row.parseSpread = spread(parseTimes, row.parseSeconds);
    row.convertSpread = spread(convertTimes, row.convertSeconds);
    row.outputMb = double(fileSize(output)) / bytesPerMb;
    std::remove(output.c_str());
    std::remove(skelOutput.c_str());
    return row;
}

// The same seed must give the same bytes, or runs on two machines, or
// before and after a change, would not time the same input.
void checkGeneratorIsDeterministic(const Options &options, const std::string &input,
                                   long long target)
{
    const std::string again = options.workDir + "/determinism-check.json";
    runChecked({options.generator, again, std::to_string(target), std::to_string(options.seed)},
               options.workDir + "/determinism-check.log");
    const bool same = readFile(again) == readFile(input);
    std::remove(again.c_str());
    if (!same)
        fail("the generator wrote different bytes for the same seed");
}

std::vector<double> parseSizes(const std::string &text)
{
    std::vector<double> sizes;
    if (text == "none")
        return sizes;
    std::stringstream list(text);
    for (std::string item; std::getline(list, item, ',');) {
        const double size = std::atof(item.c_str());
        if (!(size > 0))
            fail("not a size in MB: " + item);
        sizes.push_back(size);
    }
    return sizes;
}

Options parseOptions(int argc, char *argv[])
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (flag == "--strict") {
            options.strict = true;
            continue;
        }
        if (i + 1 >= argc)
            fail("missing value after " + flag);
        const std::string value = argv[++i];
        if (flag == "--generator")
            options.generator = value;
        else if (flag == "--parse-only")
            options.parseOnly = value;
        else if (flag == "--converter")
            options.converter = value;
        else if (flag == "--work-dir")
            options.workDir = value;
        else if (flag == "--sizes")
            options.sizesMb = parseSizes(value);
        else if (flag == "--layout-4.2")
            options.layout42Mb = std::atof(value.c_str());
        else if (flag == "--layout-4.3")
            options.layout43Mb = std::atof(value.c_str());
        else if (flag == "--binary-4.2")
            options.binary42 = value == "on";
        else if (flag == "--channel-curves")
            options.channelCurvesMb = std::atof(value.c_str());
        else if (flag == "--one-animation")
            options.oneAnimationMb = std::atof(value.c_str());
        else if (flag == "--draw-order-events")
            options.drawOrderEventsMb = std::atof(value.c_str());
        else if (flag == "--stages")
            options.stagesSizesMb = parseSizes(value);
        else if (flag == "--runs")
            options.runs = std::max(1, std::atoi(value.c_str()));
        else if (flag == "--seed")
            options.seed = std::strtoull(value.c_str(), nullptr, 10);
        else
            fail("unknown option " + flag);
    }
    if (options.generator.empty() || options.parseOnly.empty() || options.converter.empty()) {
        fail("usage: run_benchmark --generator PATH --parse-only PATH --converter PATH "
             "[--work-dir DIR] [--sizes 1,10,50|none] [--layout-4.2 50] [--layout-4.3 50] "
             "[--binary-4.2 on] [--channel-curves 50] [--one-animation 50] "
             "[--draw-order-events 10] [--stages 10] [--runs 5] [--seed N] [--strict]");
    }
    return options;
}

const char *verdict(bool met)
{
    return met ? "met" : "MISSED";
}

std::string inputLabel(const Row &row)
{
    char text[96];
    if (row.kind == &plain2x)
        std::snprintf(text, sizeof text, "%.1f", row.inputMb);
    else
        std::snprintf(text, sizeof text, "%.1f (%s)", row.inputMb, row.kind->label);
    return text;
}

// The two limits on one input; returns whether both are met.
bool printLimits(const Row &row, const std::string &what)
{
    const double timeRatio = row.convertSeconds / row.parseSeconds;
    const double memoryRatio = row.convertPeakMb / row.parsePeakMb;
    std::printf("\nTargets on the %s:\n", what.c_str());
    std::printf("  conversion / parse-only time <= 2.5: %.2f, %s\n", timeRatio,
                verdict(timeRatio <= 2.5));
    std::printf("  conversion peak memory <= 1.2 x parse-only: %.2f, %s\n", memoryRatio,
                verdict(memoryRatio <= 1.2));
    return timeRatio <= 2.5 && memoryRatio <= 1.2;
}

// Instructions of one process under callgrind, split by the functions that
// start each stage (inclusive counts: a stage holds what it calls).
struct Stages {
    double total = 0, parse = 0, upgrade = 0, check = 0, document = 0;
};

// The functions whose inclusive counts make each stage; none calls another
// of its stage.
const char *const parseFunctions[] = {"loadSkeleton("};
const char *const upgradeFunctions[] = {"upgradeSetup(", "upgradeSlot(", "upgradeBone(",
                                        "upgradeDeformTimelines(", "countIgnoredTimelines(",
                                        "versionNote(", "needsUpgrade("};
const char *const checkFunctions[] = {"SkeletonCheck::SkeletonCheck(", "SkeletonCheck::check"};
const char *const documentFunctions[] = {"writeSkeletonDocument("};

// The inclusive count of every line of callgrind_annotate's output whose
// function starts with one of `names` after "???:" or "file:".
template <size_t N>
double sumOf(const std::string &annotated, const char *const (&names)[N])
{
    double sum = 0;
    std::istringstream lines(annotated);
    for (std::string line; std::getline(lines, line);) {
        const size_t colon = line.find(':');
        if (colon == std::string::npos)
            continue;
        const std::string function = line.substr(colon + 1);
        for (const char *name : names) {
            if (function.rfind(name, 0) == 0) {
                std::string digits;
                for (char c : line.substr(0, line.find('('))) {
                    if (c >= '0' && c <= '9')
                        digits += c;
                }
                sum += std::atof(digits.c_str());
                break;
            }
        }
    }
    return sum;
}

double programTotal(const std::string &annotated)
{
    std::istringstream lines(annotated);
    for (std::string line; std::getline(lines, line);) {
        if (line.find("PROGRAM TOTALS") == std::string::npos)
            continue;
        std::string digits;
        for (char c : line.substr(0, line.find('('))) {
            if (c >= '0' && c <= '9')
                digits += c;
        }
        return std::atof(digits.c_str());
    }
    return 0;
}

Stages countInstructions(const Options &options, const std::vector<std::string> &command,
                         const std::string &base)
{
    const std::string profile = base + ".callgrind";
    std::vector<std::string> argv = {options.valgrind, "--tool=callgrind",
                                     "--callgrind-out-file=" + profile};
    argv.insert(argv.end(), command.begin(), command.end());
    runChecked(argv, base + ".log");
    const std::string annotatedPath = base + ".annotated";
    runChecked({options.annotate, "--inclusive=yes", "--threshold=100", profile}, annotatedPath);
    const std::string annotated = readFile(annotatedPath);
    std::remove(profile.c_str());
    Stages stages;
    stages.total = programTotal(annotated);
    stages.parse = sumOf(annotated, parseFunctions);
    stages.upgrade = sumOf(annotated, upgradeFunctions);
    stages.check = sumOf(annotated, checkFunctions);
    stages.document = sumOf(annotated, documentFunctions) - stages.upgrade - stages.check;
    return stages;
}

// One table of instruction counts: each input kind at each size of
// options.stagesSizesMb.
void printStages(const Options &options)
{
    std::printf("\nInstructions (callgrind, G = 10^9); the stages of the conversion are parse "
                "(read and parse), upgrade, check, and build and write the document:\n\n");
    std::printf("| Input | MB | Parse-only G | Conversion G | Parse G | Upgrade G | Check G "
                "| Document G | Upgrade / parse | Conversion / parse-only | Conversion G/MB |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    for (const InputKind *kind : {&plain2x, &plain42, &plain43, &channelCurves, &oneAnimation}) {
        for (double sizeMb : options.stagesSizesMb) {
            generateInput(options, sizeMb, *kind);
            const std::string base = inputBase(options, sizeMb, *kind);
            const double inputMb = double(fileSize(base + ".json")) / bytesPerMb;
            const Stages parse = countInstructions(options, {options.parseOnly, base + ".json"},
                                                   base + "-parse");
            const Stages convert = countInstructions(
                    options, {options.converter, base + ".json", base + ".qml"},
                    base + "-convert");
            std::remove((base + ".qml").c_str());
            const double g = 1e9;
            std::printf("| %s | %.1f | %.2f | %.2f | %.2f | %.2f | %.2f | %.2f | %.2f | %.2f "
                        "| %.3f |\n",
                        kind->label, inputMb, parse.total / g, convert.total / g,
                        convert.parse / g, convert.upgrade / g, convert.check / g,
                        convert.document / g, convert.upgrade / convert.parse,
                        convert.total / parse.total, convert.total / g / inputMb);
            std::fflush(stdout);
            std::fprintf(stderr, "counted %s at %g MB\n", kind->label, sizeMb);
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    const Options options = parseOptions(argc, argv);
    mkdir(options.workDir.c_str(), 0755);

    std::printf("Machine: %s\n", machineDescription().c_str());
    std::printf("Median of %d runs per figure; MB = 10^6 bytes; inputs in %s, seed %llu.\n",
                options.runs, options.workDir.c_str(), options.seed);

    // What every process costs before it reads a byte: Qt loading, the
    // dynamic linker. It weighs on the smallest input only.
    const std::string emptyInput = options.workDir + "/empty.json";
    std::ofstream(emptyInput) << "{}\n";
    const std::string emptyLog = options.workDir + "/empty.log";
    std::vector<double> parseStart, convertStart;
    for (int i = 0; i < options.runs; ++i) {
        parseStart.push_back(runChecked({options.parseOnly, emptyInput}, emptyLog).seconds);
        convertStart.push_back(
                runChecked({options.converter, emptyInput, options.workDir + "/empty.qml"},
                           emptyLog)
                        .seconds);
    }
    std::printf("Start-up (input {}): parse-only %.1f ms, conversion %.1f ms.\n\n",
                median(parseStart) * 1e3, median(convertStart) * 1e3);

    std::vector<Row> rows;
    for (size_t i = 0; i < options.sizesMb.size(); ++i) {
        rows.push_back(measure(options, options.sizesMb[i], plain2x));
        if (i == 0) {
            char name[64];
            std::snprintf(name, sizeof name, "/skeleton-%gmb.json", options.sizesMb[i]);
            checkGeneratorIsDeterministic(options, options.workDir + name,
                                          std::llround(options.sizesMb[i] * bytesPerMb));
        }
        std::fprintf(stderr, "measured %.1f MB\n", rows.back().inputMb);
    }
    const size_t layout2Rows = rows.size();
    const struct {
        double sizeMb;
        const InputKind &kind;
    } newerRows[] = {{options.layout42Mb, plain42},
                     {options.layout43Mb, plain43},
                     {options.channelCurvesMb, channelCurves},
                     {options.oneAnimationMb, oneAnimation},
                     {options.drawOrderEventsMb, drawOrderEvents}};
    for (const auto &newer : newerRows) {
        if (newer.sizeMb <= 0)
            continue;
        rows.push_back(measure(options, newer.sizeMb, newer.kind));
        std::fprintf(stderr, "measured %.1f MB (%s)\n", rows.back().inputMb, newer.kind.label);
    }

    for (const Row &row : rows)
        std::printf("Input %s MB: %s\n", inputLabel(row).c_str(), row.contents.c_str());
    std::printf("\n| Input MB | Output MB | Parse-only s | Conversion s | Ratio | Parse MB/s "
                "| Conversion MB/s | Conversion s/MB | Parse peak MB | Conversion peak MB "
                "| Memory ratio |\n");
    std::printf("|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    double meanSecondsPerMb = 0;
    for (size_t i = 0; i < layout2Rows; ++i)
        meanSecondsPerMb += rows[i].convertSeconds / rows[i].inputMb / double(layout2Rows);
    for (const Row &row : rows) {
        std::printf("| %s | %.1f | %.3f | %.3f | %.2f | %.1f | %.1f | %.4f | %.1f | %.1f | %.2f "
                    "|\n",
                    inputLabel(row).c_str(), row.outputMb, row.parseSeconds, row.convertSeconds,
                    row.convertSeconds / row.parseSeconds, row.inputMb / row.parseSeconds,
                    row.inputMb / row.convertSeconds, row.convertSeconds / row.inputMb,
                    row.parsePeakMb, row.convertPeakMb, row.convertPeakMb / row.parsePeakMb);
    }

    std::printf("\nSpread of the timed runs, (slowest - fastest) / median:");
    for (const Row &row : rows) {
        std::printf(" %s MB parse-only %.0f%%, conversion %.0f%%;", inputLabel(row).c_str(),
                    row.parseSpread * 100, row.convertSpread * 100);
    }
    std::printf("\n");

    if (layout2Rows == 0) {
        bool met = true;
        for (const Row &row : rows)
            met = printLimits(row, inputLabel(row) + " MB input") && met;
        return options.strict && !met ? 1 : 0;
    }
    const Row &largest = rows[layout2Rows - 1];
    const double timeRatio = largest.convertSeconds / largest.parseSeconds;
    const double memoryRatio = largest.convertPeakMb / largest.parsePeakMb;
    double worstDeviation = 0;
    for (size_t i = 0; i < layout2Rows; ++i) {
        const double deviation = rows[i].convertSeconds / rows[i].inputMb / meanSecondsPerMb - 1;
        if (std::fabs(deviation) > std::fabs(worstDeviation))
            worstDeviation = deviation;
    }
    const bool timeMet = timeRatio <= 2.5;
    const bool scalingMet = std::fabs(worstDeviation) <= 0.15;
    const bool memoryMet = memoryRatio <= 1.2;
    std::printf("\nTargets on the %.0f MB input:\n", largest.inputMb);
    std::printf("  conversion / parse-only time <= 2.5: %.2f, %s\n", timeRatio,
                verdict(timeMet));
    std::printf("  conversion time per MB within +-15%% of its mean over all sizes: worst "
                "%+.0f%%, %s\n",
                worstDeviation * 100, verdict(scalingMet));
    std::printf("  conversion peak memory <= 1.2 x parse-only: %.2f, %s\n", memoryRatio,
                verdict(memoryMet));
    bool binaryMet = true;
    for (const Row &row : rows) {
        if (row.binaryMb == 0)
            continue;
        const double time = row.binarySeconds / row.convertSeconds;
        const double peak = row.binaryPeakMb / row.convertPeakMb;
        binaryMet = time <= 0.8 && peak <= 1.0;
        std::printf("\nThe same skeleton as a 4.2 binary export (%.1f MB): conversion %.3f s, "
                    "peak %.1f MB\n",
                    row.binaryMb, row.binarySeconds, row.binaryPeakMb);
        std::printf("  conversion time <= 0.8 x from its JSON: %.2f, %s\n", time,
                    verdict(time <= 0.8));
        std::printf("  conversion peak memory <= 1.0 x from its JSON: %.2f, %s\n", peak,
                    verdict(peak <= 1.0));
    }
    bool layout42Met = true;
    for (size_t i = layout2Rows; i < rows.size(); ++i)
        layout42Met = printLimits(rows[i], inputLabel(rows[i]) + " MB input") && layout42Met;
    if (!options.stagesSizesMb.empty())
        printStages(options);
    return options.strict && !(timeMet && scalingMet && memoryMet && layout42Met && binaryMet)
                   ? 1
                   : 0;
}
