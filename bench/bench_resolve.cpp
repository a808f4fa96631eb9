// ResolveEntryPath over 1,000,000 entry lines as the edit button and the file
// search pass them: upper-cased, comment cut. The mix holds table rows early
// and late in the table, "Jk" rows, E9/N9 names, NEC_PC paths and unresolved
// names, so that both the replacements and the table walk are measured.

#include "resolve/resolve.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> EntryLines(std::size_t count) {
    std::vector<std::string> lines;
    lines.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const ProgramGroupRow& row = ProgramGroupTable[i % ProgramGroupTable.size()];
        std::string name(row.key);
        switch (i % 5) {
        case 0:
            lines.push_back("FILE=C:\\NC\\REL\\" + name);
            break;
        case 1:
            lines.push_back("FILE= C:\\NC\\PRELOAD\\REL\\" + name + ".NC1 ");
            break;
        case 2:
            lines.push_back("FILE=C:\\NC\\REL\\E" + name.substr(1));
            break;
        case 3:
            lines.push_back("FILE=D:\\NEC_PC\\N" + name.substr(1) + "\t");
            break;
        default:
            lines.push_back("FILE=C:\\NC\\REL\\O1" + std::to_string(i % 1000) + ".NC");
            break;
        }
    }
    return lines;
}

void ResolveEntryPath1M(benchmark::State& state) {
    const std::vector<std::string> lines = EntryLines(1000000);
    std::size_t resolved = 0;
    for (auto _ : state) {
        for (const std::string& line : lines)
            resolved += ResolveEntryPath(line).empty() ? 0 : 1;
        benchmark::DoNotOptimize(resolved);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * lines.size()));
    state.counters["resolved"] =
        static_cast<double>(resolved) / static_cast<double>(state.iterations());
}
BENCHMARK(ResolveEntryPath1M)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
