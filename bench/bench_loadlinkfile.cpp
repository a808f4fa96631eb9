// The load of a 100,000-line link file (about 5 MB, tabs and Japanese
// comments): from LoadLinkFile to an idle event loop, the window shown.

#include "app/application.h"
#include "app/fonts.h"
#include "app/listbox.h"
#include "app/mainform.h"
#include "platform/drives.h"
#include "text/cp932_codec.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>

namespace {

std::string GeneratedLinkFile(int lines) {
    const std::string comment = text::Utf8ToCp932(";荒加工 ﾌﾗｲｽ φ50 治具Ａ 第");
    std::string bytes;
    for (int i = 0; i < lines; ++i) {
        if (i % 50 == 0)
            bytes += text::Utf8ToCp932("; ==== 見出し ") + std::to_string(i / 50) + " ====\r\n";
        else
            bytes += "FILE=C:\\NC\\REL\\O95" + std::to_string(10 + i % 90) + "\t\t" + comment +
                     std::to_string(i) + "\r\n";
    }
    return bytes;
}

void LoadLinkFile100k(benchmark::State& state) {
    const QTemporaryDir folder;
    const std::string bytes = GeneratedLinkFile(100000);
    std::ofstream(folder.path().toStdString() + "/BIG.LST", std::ios::binary) << bytes;
    platform::Drives().set('C', folder.path().toStdString());
    CreateApplicationWindows({});
    Form1->show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        Form1->LoadLinkFile("C:\\BIG.LST");
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(Form1->ListBox1->count());
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
    state.counters["lines"] = Form1->ListBox1->count();
    DestroyApplicationWindows();
}
BENCHMARK(LoadLinkFile100k)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    TessivarApplication application(argc, argv);
    fonts::InstallSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
