// Loading and saving the event's data file over generated events of 1,000 and 10,000 guest lines
// with every field filled (names of 8 letters, notes and addresses of 40), 200 tables, 60 groups,
// 100 expenses of 3 payments and 100 offers: loading, building the text (the save before the
// flush), the atomic write with its flush alone, and a bare Xerces-C SAX pass with an empty
// handler over the same file, for comparison. The heap growth of a loaded event is reported as a
// counter (bytes in use, mallinfo2).

#include "BenchEvent.h"
#include "platform/AtomicFile.h"
#include "platform/EventFiles.h"
#include "platform/FileFingerprint.h"
#include "store/NewOrvDoc.h"
#include "store/ProgramFolders.h"
#include "store/XmlDataReader.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <map>
#include <memory>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/parsers/SAXParser.hpp>
#include <xercesc/sax/HandlerBase.hpp>
#include <xercesc/util/PlatformUtils.hpp>

namespace fs = std::filesystem;

namespace
{
// One event per size, saved once so that its data file exists; made once per run.
CBenchEvent& EventFor(int lines)
{
    static std::map<int, std::unique_ptr<CBenchEvent>> events;
    auto& event = events[lines];
    if (!event)
    {
        SBenchEventShape shape;
        shape.guestLines = lines;
        shape.linesPerGroup = (lines + 59) / 60;   // 60 groups
        shape.linesPerTable = (lines + 199) / 200; // 200 tables
        shape.textLength = 40;
        shape.expenses = 100;
        shape.paymentsPerExpense = 3;
        shape.offers = 100;
        event = std::make_unique<CBenchEvent>(shape);
        event->Doc().SaveEventData();
    }
    return *event;
}

fs::path DataFile(CBenchEvent& event)
{
    return EventFilePath(event.Root() / "DB", kFileWeddingDataXml);
}

void BM_Load(benchmark::State& state)
{
    CBenchEvent& event = EventFor(static_cast<int>(state.range(0)));
    CNewOrvDoc& doc = event.Doc();
    for (auto _ : state)
    {
        state.PauseTiming();
        doc.ClearAll();
        state.ResumeTiming();
        doc.ImportXml(DataFile(event));
    }
    state.counters["bytes"] = static_cast<double>(fs::file_size(DataFile(event)));
    state.counters["guests"] = doc.GetGuestCount();
}

void BM_BareSaxPass(benchmark::State& state)
{
    CBenchEvent& event = EventFor(static_cast<int>(state.range(0)));
    xercesc::XMLPlatformUtils::Initialize();
    {
        xercesc::SAXParser parser;
        xercesc::HandlerBase handler;
        parser.setDocumentHandler(&handler);
        parser.setErrorHandler(&handler);
        const std::string path = DataFile(event).string();
        for (auto _ : state)
            parser.parse(path.c_str());
    }
    xercesc::XMLPlatformUtils::Terminate();
}

void BM_SaveBeforeFlush(benchmark::State& state)
{
    CNewOrvDoc& doc = EventFor(static_cast<int>(state.range(0))).Doc();
    for (auto _ : state)
        benchmark::DoNotOptimize(doc.BuildDataFileText());
}

void BM_FlushAlone(benchmark::State& state)
{
    CBenchEvent& event = EventFor(static_cast<int>(state.range(0)));
    const std::string text = event.Doc().BuildDataFileText();
    const fs::path target = event.Root() / "DB" / "FlushBench.xml";
    for (auto _ : state)
        WriteFileAtomic(target, text);
}

// What a save checks before it replaces the data file: the text against the reader's limits, and
// the file on disk against the fingerprint of the load (read again and hashed).
void BM_SaveChecks(benchmark::State& state)
{
    CBenchEvent& event = EventFor(static_cast<int>(state.range(0)));
    const std::string text = event.Doc().BuildDataFileText();
    const fs::path target = event.Root() / "DB" / "ChecksBench.xml";
    WriteFileAtomic(target, text);
    const CFileFingerprint loaded = CFileFingerprint::OfBytes(target, text);
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(CXmlDataReader::IsReadable(text, 0));
        benchmark::DoNotOptimize(loaded.Matches(target));
    }
}

void BM_LoadedHeap(benchmark::State& state)
{
    CBenchEvent& event = EventFor(static_cast<int>(state.range(0)));
    CNewOrvDoc& doc = event.Doc();
    double growth = 0;
    for (auto _ : state)
    {
        doc.ClearAll();
        malloc_trim(0);
        const std::size_t before = mallinfo2().uordblks;
        doc.ImportXml(DataFile(event));
        growth = static_cast<double>(mallinfo2().uordblks - before);
    }
    state.counters["heapMB"] = growth / (1024.0 * 1024.0);
}
} // namespace

BENCHMARK(BM_Load)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareSaxPass)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveBeforeFlush)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FlushAlone)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveChecks)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadedHeap)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);
