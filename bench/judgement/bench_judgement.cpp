// Judging through the object protocol, as the main window does it: pick the
// object by the left index, set both inputs, call the operation, read both
// results back.
#include "judge/judgementobjects.h"

#include <benchmark/benchmark.h>

using namespace sorvex;

static void judgeAllPatterns(benchmark::State &state)
{
    JudgementObjects objects;
    QString yakumei;
    QString tamaya;
    for (auto _ : state) {
        for (int t1 = 1; t1 <= 21; ++t1) {
            JudgementObject *object = objects.object(t1);
            for (qint16 t2 = 1; t2 <= 21; ++t2) {
                for (qint16 t3 = 1; t3 <= 21; ++t3) {
                    object->r2jyoudan = t2;
                    object->r3jyoudan = t3;
                    object->yaku();
                    yakumei = object->yakumei;
                    tamaya = object->tamaya;
                    benchmark::DoNotOptimize(yakumei);
                    benchmark::DoNotOptimize(tamaya);
                }
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * 9261);
    state.counters["ns_per_judgement"] = benchmark::Counter(double(state.iterations()) * 9261,
                                                            benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(judgeAllPatterns)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
