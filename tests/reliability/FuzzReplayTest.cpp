#include "FuzzTargets.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

// Every committed fuzz input, seeds and regressions alike, replayed through
// the same target bodies the fuzzers run: a finding once fixed stays fixed,
// and the sanitizer build checks them for memory errors too.

namespace {

struct Target {
    const char* name;
    void (*body)(const std::uint8_t*, std::size_t);
    bool needsSeeds;
};

const Target kTargets[] = {
    {"table", FuzzTargets::table, true},
    {"event_script", FuzzTargets::eventScript, true},
    {"step_script", FuzzTargets::stepScript, true},
    {"narration", FuzzTargets::narration, true},
    {"decoder", FuzzTargets::decoder, true},
};

void PrintTo(const Target& t, std::ostream* os)
{
    *os << t.name;
}

class FuzzReplay : public testing::TestWithParam<Target> {};

TEST_P(FuzzReplay, EveryCommittedInputRunsClean)
{
    const Target& t = GetParam();
    int replayed = 0;
    for (const char* kind : {"corpus", "regressions"}) {
        const QDir dir(QStringLiteral(LW_SOURCE_DIR "/fuzz/%1/%2").arg(QLatin1String(kind), QLatin1String(t.name)));
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
            QFile f(dir.filePath(name));
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            const QByteArray input = f.readAll();
            try {
                t.body(reinterpret_cast<const std::uint8_t*>(input.constData()), std::size_t(input.size()));
            } catch (const FuzzTargets::Violation& v) {
                ADD_FAILURE() << kind << "/" << t.name << "/" << name.toStdString() << ": " << v.what();
            }
            ++replayed;
        }
    }
    if (t.needsSeeds)
        EXPECT_GT(replayed, 0) << "no committed inputs for " << t.name;
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzReplay, testing::ValuesIn(kTargets),
                         [](const testing::TestParamInfo<Target>& info) { return std::string(info.param.name); });

// The table input splits at its length prefix, and a prefix longer than the
// input gives everything to the table file.
TEST(FuzzInput, TableInputSplitsAtItsLengthPrefix)
{
    const std::uint8_t input[] = {3, 0, 0, 0, 'a', 'b', 'c', 'd', 'e'};
    const FuzzTargets::TableInput in = FuzzTargets::splitTableInput(input, sizeof input);
    EXPECT_EQ(in.dbfSize, 3u);
    EXPECT_EQ(in.dbtSize, 2u);
    EXPECT_EQ(in.dbt[0], 'd');
    const std::uint8_t longPrefix[] = {0xff, 0xff, 0, 0, 'a'};
    const FuzzTargets::TableInput all = FuzzTargets::splitTableInput(longPrefix, sizeof longPrefix);
    EXPECT_EQ(all.dbfSize, 1u);
    EXPECT_EQ(all.dbtSize, 0u);
    EXPECT_EQ(FuzzTargets::splitTableInput(input, 3).dbf, nullptr);
}

} // namespace
