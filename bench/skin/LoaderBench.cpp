// Loading an external skin's sections: time should grow in proportion to the number of
// sections (compare the rows: twice the sections, about twice the time), also when every
// section inherits from the one before it.
#include "skin/SkinIniFile.h"
#include "skin/SkinLoaders.h"

#include <benchmark/benchmark.h>

#include <QApplication>

namespace {

// An Options.dat text with `sections` sections, each naming the one before as its parent
// and setting a few of the keys the loader reads.
QString generatedOptions(int sections)
{
    QString text = QStringLiteral("[GLOBALINFO]\nVERSION=5\nAUTHOR=bench\n");
    for (int i = 0; i < sections; ++i) {
        text += QStringLiteral("[SECTION%1]\n").arg(i);
        if (i > 0)
            text += QStringLiteral("PARENTCLASS=SECTION%1\n").arg(i - 1);
        text += QStringLiteral("COLOR=%1\nBEVEL=-1\nTRANSPARENCY=%2\nSHOWFOCUS=TRUE\nGRADIENTDATA=?\n")
                    .arg(i * 7 % 0xFFFFFF)
                    .arg(i % 100);
    }
    return text;
}

void parseOptions(benchmark::State& state)
{
    const QString text = generatedOptions(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(SkinIniFile::fromText(text).sections().size());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(parseOptions)->RangeMultiplier(2)->Range(250, 2000)->Complexity()->Unit(benchmark::kMillisecond);

void loadSections(benchmark::State& state)
{
    const SkinIniFile options = SkinIniFile::fromText(generatedOptions(int(state.range(0))));
    SkinLoadSource source;
    source.options = &options;
    TsSkinTables tables;
    for (auto _ : state) {
        LoadSectionTable(tables, source);
        benchmark::DoNotOptimize(tables.sections.size());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(loadSections)->RangeMultiplier(2)->Range(250, 2000)->Complexity()->Unit(benchmark::kMillisecond);

} // namespace
