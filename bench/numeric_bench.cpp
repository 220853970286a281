// The cost of one number read or written under a picture: the keystroke engine does both for
// every key, and the property check and the raw conversions do them per value.
#include <benchmark/benchmark.h>
#include <plmedt60.h>

#include "engines/numeric/numeric.h"
#include "module/module.h"

namespace {

struct PictureCase {
    const char* format;
    const char* shown;  // a text of the picture, for the parser
    NumberParts parts;  // a value, for the formatter
};

const PictureCase kCases[] = {
    {"$#,##0.00;($#,##0.00)", "($1,234,567.89)", {1234567, 0.89, TRUE, FALSE}},
    {"0.###############", "-1234.125", {1234, 0.125, TRUE, FALSE}},
    {"#,##0", "2,147,483,647", {2147483647, 0, FALSE, FALSE}},
    {"0.00%", "12.50%", {12, 0.5, FALSE, FALSE}},
    {"000", "5", {5, 0, FALSE, FALSE}},
    {"#,##0.00;(#,##0.00)", "", {0, 0, FALSE, TRUE}},
};

NumberFormatDesc DescOf(const PictureCase& c) {
    return NumberFormatDesc{c.format, g_szDefCurrency, '.', ',', NegativeMarker(c.format)};
}

void BM_FormatNumberText(benchmark::State& state) {
    const PictureCase& c = kCases[state.range(0)];
    const NumberFormatDesc desc = DescOf(c);
    char out[PLM_TEXT_SIZE];
    for (auto _ : state) {
        FormatNumberText(out, &desc, &c.parts, sizeof out);
        benchmark::DoNotOptimize(out);
    }
    state.SetLabel(c.format);
}

void BM_ParseNumberText(benchmark::State& state) {
    const PictureCase& c = kCases[state.range(0)];
    const NumberFormatDesc desc = DescOf(c);
    NumberParts parts;
    for (auto _ : state) {
        ParseNumberText(c.shown, &desc, &parts);
        benchmark::DoNotOptimize(parts);
    }
    state.SetLabel(c.format);
}

// Reading a shown text and writing it under another picture, as the property check does.
void BM_ConvertNumberText(benchmark::State& state) {
    const PictureCase& c = kCases[state.range(0)];
    const FormatConvertDesc conv{c.format, c.format, '.', '.', ',', ','};
    char out[PLM_TEXT_SIZE];
    for (auto _ : state) {
        ConvertNumberText(out, c.shown, &conv, sizeof out);
        benchmark::DoNotOptimize(out);
    }
    state.SetLabel(c.format);
}

constexpr int kCaseCount = static_cast<int>(sizeof kCases / sizeof kCases[0]);

BENCHMARK(BM_FormatNumberText)->DenseRange(0, kCaseCount - 1);
BENCHMARK(BM_ParseNumberText)->DenseRange(0, kCaseCount - 1);
BENCHMARK(BM_ConvertNumberText)->DenseRange(0, kCaseCount - 1);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    ModuleAttach(GetModuleHandleA(nullptr));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ModuleDetach();
    return 0;
}
