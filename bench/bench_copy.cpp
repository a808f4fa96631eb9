// `tessivar-cli copy` against cp(1) on the same data in the same run: 2,000
// files of 64 KiB, and one file of 512 MiB, each into an empty folder. The
// tool's time includes what cp does not do: reading the link file and testing
// every listed file first.

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr int kSmallFiles = 2000;
constexpr std::size_t kSmallSize = 64 << 10;
constexpr std::size_t kLargeSize = std::size_t{512} << 20;

// The data, made once in a folder that drive C: stands for.
class Data {
public:
    static const Data& get() {
        static const Data data;
        return data;
    }
    ~Data() { fs::remove_all(m_root); }

    fs::path root() const { return m_root; }
    const std::vector<std::string>& smallNames() const { return m_smallNames; }

private:
    Data() : m_root(fs::temp_directory_path() / "tessivar-bench-copy") {
        fs::remove_all(m_root);
        fs::create_directories(m_root / "SMALL");
        const std::string block(kSmallSize, 'x');
        for (int i = 0; i < kSmallFiles; ++i) {
            m_smallNames.push_back(std::to_string(10000 + i).insert(0, "O").append(".NC"));
            write(m_root / "SMALL" / m_smallNames.back(), block, 1);
        }
        write(m_root / "LARGE.NC", std::string(1 << 20, 'y'), kLargeSize >> 20);
        std::string list;
        for (const std::string& name : m_smallNames)
            list += "FILE=C:\\SMALL\\" + name + "\r\n";
        write(m_root / "SMALL.LST", list, 1);
        write(m_root / "LARGE.LST", "FILE=C:\\LARGE.NC\r\n", 1);
    }

    static void write(const fs::path& path, const std::string& block, std::size_t times) {
        std::ofstream out(path, std::ios::binary);
        for (std::size_t i = 0; i < times; ++i)
            out.write(block.data(), static_cast<std::streamsize>(block.size()));
        if (!out.flush())
            throw std::runtime_error("cannot write " + path.string());
    }

    fs::path m_root;
    std::vector<std::string> m_smallNames;
};

std::vector<std::string> SmallSources(const std::string& folder) {
    std::vector<std::string> sources;
    for (const std::string& name : Data::get().smallNames())
        sources.push_back(folder + name);
    return sources;
}

// Runs `program` (searched in PATH) and waits; throws unless it exits with 0.
void Run(const std::string& program, std::vector<std::string> args) {
    args.insert(args.begin(), program);
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t child;
    int status = 0;
    if (posix_spawnp(&child, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0 ||
        waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(program + " failed");
}

// The tool copies the link file `list` of drive C: into the destination.
void RunTool(const std::string& list, const fs::path& destination) {
    Run(TESSIVAR_CLI, {"--drive", "C=" + Data::get().root().string(), "copy", "C:\\" + list,
                       destination.string()});
}

// Times `copy` into a fresh empty folder DST each round.
template <typename Copy> void Measure(benchmark::State& state, std::uint64_t bytes, Copy copy) {
    const fs::path destination = Data::get().root() / "DST";
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(destination);
        fs::create_directory(destination);
        state.ResumeTiming();
        copy(destination);
    }
    fs::remove_all(destination);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void ToolSmallFiles(benchmark::State& state) {
    Measure(state, kSmallFiles * kSmallSize,
            [](const fs::path& destination) { RunTool("SMALL.LST", destination); });
}

void CpSmallFiles(benchmark::State& state) {
    const auto sources = SmallSources((Data::get().root() / "SMALL/").string());
    Measure(state, kSmallFiles * kSmallSize, [&](const fs::path& destination) {
        std::vector<std::string> args = sources;
        args.push_back(destination.string());
        Run("cp", std::move(args));
    });
}

void ToolLargeFile(benchmark::State& state) {
    Measure(state, kLargeSize,
            [](const fs::path& destination) { RunTool("LARGE.LST", destination); });
}

void CpLargeFile(benchmark::State& state) {
    Measure(state, kLargeSize, [](const fs::path& destination) {
        Run("cp", {(Data::get().root() / "LARGE.NC").string(), destination.string()});
    });
}

// Each tool case next to its cp case, on the same data in the same run.
BENCHMARK(ToolSmallFiles)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(CpSmallFiles)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(ToolLargeFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(CpLargeFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace

BENCHMARK_MAIN();
