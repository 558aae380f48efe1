#include "core/reports/RtfReader.h"
#include "core/reports/RtfWriter.h"
#include "core/reports/TextEditor.h"
#include "core/reports/TextFile.h"
#include "core/tools/QuietPorts.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>

namespace {

using namespace tavolim::core;

constexpr std::size_t kFileBytes = 65000;

// The largest file the editor opens: a report-like text with every kind of formatting the
// reader knows, written by our own writer and filled up to exactly 65000 bytes.
std::string largestRichText()
{
    RichDocument document;
    const RgbColour colours[] = {{200, 0, 0}, {0, 120, 0}, {0, 0, 160}};
    int line = 0;
    while (writeRtf(document).size() < kFileBytes - 400) {
        Paragraph paragraph;
        paragraph.alignment = static_cast<Alignment>(line % 4);
        paragraph.bullet = line % 7 == 3;
        TextFormat plain;
        plain.font = line % 2 ? "Arial" : "Courier New";
        plain.halfPoints = 20;
        TextFormat strong = plain;
        strong.bold = true;
        strong.italic = line % 3 == 0;
        strong.underline = line % 5 == 0;
        strong.colour = colours[line % 3];
        appendText(paragraph, "Fita " + std::to_string(line) + "\t", plain);
        appendText(paragraph, "Ação e Aventura – Promoção", strong);
        appendText(paragraph, "\tR$ 3,50 {código} \\ devolução até 05/12/2026 中", plain);
        paragraph.mark = plain;
        document.paragraphs.push_back(std::move(paragraph));
        ++line;
    }
    std::string rtf = writeRtf(document);
    document.paragraphs.back().runs.back().text += std::string(kFileBytes - rtf.size(), 'x');
    return writeRtf(document);
}

class LargestFile {
public:
    static const LargestFile& instance()
    {
        static const LargestFile file;
        return file;
    }
    ~LargestFile()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }
    LargestFile(const LargestFile&) = delete;
    LargestFile& operator=(const LargestFile&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    const std::string& bytes() const { return m_bytes; }

private:
    LargestFile()
        : m_folder(std::filesystem::temp_directory_path() /
                   ("tavolim-rtf-bench-" + std::to_string(::getpid()))),
          m_path(m_folder / "grande.rtf"), m_bytes(largestRichText())
    {
        std::filesystem::create_directories(m_folder);
        writeFileReplacing(m_path, m_bytes);
    }

    std::filesystem::path m_folder;
    std::filesystem::path m_path;
    std::string m_bytes;
};

// Opening the largest file the editor takes, as the editor does it: size check, read,
// rich-text reading. It must stay well under 200 ms.
void BM_OpenLargestRichText(benchmark::State& state)
{
    const LargestFile& file = LargestFile::instance();
    if (file.bytes().size() != kFileBytes) {
        state.SkipWithError("the sample is not 65000 bytes long");
        return;
    }
    QuietPorts quiet(std::chrono::year{2026} / 12 / 5);
    TextEditor editor(quiet.ports());
    std::size_t paragraphs = 0;
    double worst = 0;
    for (auto _ : state) {
        const auto started = std::chrono::steady_clock::now();
        const auto document = editor.open(file.path());
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
        worst = std::max(worst, took.count());
        if (!document) {
            state.SkipWithError("the file was refused");
            return;
        }
        paragraphs = document->paragraphs.size();
        benchmark::DoNotOptimize(document);
    }
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(file.path()));
    state.counters["paragraphs"] = static_cast<double>(paragraphs);
    state.counters["worst_ms"] = worst * 1e3;
    state.counters["limit_ms"] = 200;
    if (worst > 0.2) {
        state.SkipWithError("opening took longer than 200 ms");
    }
}
BENCHMARK(BM_OpenLargestRichText)->Unit(benchmark::kMillisecond);

// The reader alone, and the writer over what it read, on the same bytes.
void BM_ParseLargestRichText(benchmark::State& state)
{
    const std::string& bytes = LargestFile::instance().bytes();
    for (auto _ : state) {
        benchmark::DoNotOptimize(parseRtf(bytes));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ParseLargestRichText)->Unit(benchmark::kMillisecond);

void BM_WriteLargestRichText(benchmark::State& state)
{
    const RichDocument document = parseRtf(LargestFile::instance().bytes()).document;
    for (auto _ : state) {
        benchmark::DoNotOptimize(writeRtf(document));
    }
}
BENCHMARK(BM_WriteLargestRichText)->Unit(benchmark::kMillisecond);

} // namespace
