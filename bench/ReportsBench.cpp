// Every report and card page over a large event: 10,000 guest lines at 1,000 tables (and 2,500
// lines, to show the time grows with the guests). Goal: each under 50 ms at 10,000 lines.
//
//   reports_bench [--benchmark_...]

#include "BenchEvent.h"
#include "reports/ReportWriter.h"

#include <benchmark/benchmark.h>
#include <map>

namespace
{
CBenchEvent& Event(int lines)
{
    static std::map<int, std::unique_ptr<CBenchEvent>> events;
    auto& event = events[lines];
    if (!event)
    {
        SBenchEventShape shape;
        shape.guestLines = lines;
        shape.linesPerTable = 10; // 1,000 tables at 10,000 lines
        shape.expenses = 200;
        shape.offers = 100;
        event = std::make_unique<CBenchEvent>(shape);
    }
    return *event;
}

void BM_Report(benchmark::State& state)
{
    const auto kind = static_cast<EReportKind>(state.range(0));
    const bool text = state.range(2) != 0;
    CBenchEvent& event = Event(static_cast<int>(state.range(1)));
    SReportOptions options;
    const CReportWriter writer(event.Doc(), options, false);
    std::size_t bytes = 0;
    for (auto _ : state)
    {
        const std::string report = text ? writer.Text(kind) : writer.Html(kind);
        bytes = report.size();
        benchmark::DoNotOptimize(report.data());
    }
    state.SetLabel(std::string(ReportKindInfo(kind).cli) + (text ? " (text)" : ""));
    state.counters["KiB"] = static_cast<double>(bytes) / 1024.0;
}

void AllKinds(benchmark::internal::Benchmark* benchmark)
{
    for (const SReportKindInfo& info : ReportKinds())
        for (int lines : {2500, 10000})
        {
            benchmark->Args({static_cast<long>(info.kind), lines, 0});
            if (HasTextForm(info.kind))
                benchmark->Args({static_cast<long>(info.kind), lines, 1});
        }
}
} // namespace

BENCHMARK(BM_Report)->Apply(AllKinds)->Unit(benchmark::kMillisecond);
