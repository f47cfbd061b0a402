// The recorder in-process, its clock set by the test: what it records replays as what the
// monitor read, and the file it appends to stays a ticks file whatever stops it.

#include "record/recorder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sstream>

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include "feed/feed.h"
#include "feed/ticks_source.h"
#include "prices/price_files.h"
#include "record/ticks_line.h"
#include "replay/ticks_file.h"
#include "support/replay_run.h"
#include "support/temp_folder.h"
#include "text/file_access.h"

namespace fxtest {
namespace {

const fx::Variant& v17b = fx::variant(fx::VariantId::V17b);

// The real-time folder, the recorder's options on it, and its clock.
struct Recording {
    TempFolder live;
    fx::record::RecordOptions options;
    fx::SettableClock clock{fx::LocalTime{2009, 1, 5, 10, 0, 0}};
    std::ostringstream messages;

    Recording() {
        options.folder = live.path();
        options.out = live.pathOf("recording.csv");
    }
    // Reads a second apart until `beforeRead(n)`, run before read n, says to stop, or
    // until the count of the options.
    int record(const std::function<bool(int)>& beforeRead = [](int) { return true; }) {
        int read = 0;
        return fx::record::runRecorder(
            options, clock,
            [&] {
                if (read > 0) clock.advanceSeconds(1);
                return beforeRead(read++);
            },
            messages);
    }
    // Every pair's file holding "1.0k" (k: the pair's index), or `line` for pair 0.
    void writeFiles(const std::string& line = "1.00") const {
        for (int k = 0; k < fx::pairCount; ++k)
            live.write(fx::realtimeFileName(v17b.pairTable[k]),
                       k ? "1.0" + std::to_string(k) : line);
    }
};

// fxfeed's rounds, one before each read: the feed writes the script's price lines into
// the folder, the recorder reads them back a second apart, as the script's times go.
std::string recordTheFeed(const std::string& script) {
    Recording r;
    r.live.write("script.csv", script);
    std::string error;
    int openStatus = 0;
    const auto source =
        fx::feed::TicksSource::open(r.live.pathOf("script.csv"), v17b, error, openStatus);
    EXPECT_TRUE(source) << error;
    fx::feed::WriteFailures failures(r.messages);
    const int status = r.record([&](int) {
        const auto round = source->next();
        if (round)
            fx::feed::writeRound(r.live.path(), *round, fx::feed::WriteMode::Atomic, failures);
        return round.has_value();
    });
    EXPECT_EQ(status, 0) << r.messages.str();
    return r.live.read("recording.csv");
}

// A script with moving prices, EURUSD's file missing on its third line.
std::string script(const ReplayRun& replay) {
    return v17bHeader + replay.prices(0) + replay.prices(1, {{2, "101.5"}, {9, "0.9"}}) +
           replay.prices(2, {{7, ""}, {0, "1.35"}}) + replay.prices(3, {{7, "1.3"}, {3, "93"}}) +
           replay.prices(4, {{5, "120.25"}, {12, "2"}});
}

struct ReplayOutput {
    int status;
    std::string log, messages, slots;
    friend bool operator==(const ReplayOutput&, const ReplayOutput&) = default;
};

ReplayOutput replayOf(ReplayRun& replay, const std::string& ticks) {
    const std::string slots = replay.pathOf("slots.csv");
    replay.run(ticks, {"--reference-day", "0", "--alert", "anchor", "--slots", slots});
    return {replay.status, replay.out, replay.err, replay.data.folder.read("slots.csv")};
}

// The replay of the recording equals the replay of the script, a missing file included;
// the recording cut anywhere before its last price (whatever stopped it) replays its whole
// lines: the replay leaves out a last line that does not read, and says so.
TEST(RecorderTest, ARecordingOfTheFeedReplaysAsItsScriptAndCutReplaysItsWholeLines) {
    ReplayRun replay;
    const std::string recording = recordTheFeed(script(replay));
    EXPECT_EQ(fieldsOf(linesOf(recording)[3])[8], "") << "EURUSD was missing";
    const ReplayOutput fromScript = replayOf(replay, script(replay));
    EXPECT_EQ(replayOf(replay, recording), fromScript);
    EXPECT_TRUE(contains(fromScript.messages, ":4: Realtime file not found: EURUSD_RT.csv"));

    const std::size_t lastLine = recording.rfind('\n', recording.size() - 2) + 1;
    const ReplayOutput wholeLines = replayOf(replay, recording.substr(0, lastLine));
    const std::size_t lastPrice = recording.rfind(',');
    for (const std::size_t cut : {lastLine + 1, lastLine + 20, lastLine + 30, lastPrice}) {
        const ReplayOutput cutOff = replayOf(replay, recording.substr(0, cut));
        EXPECT_EQ(cutOff.log + cutOff.slots, wholeLines.log + wholeLines.slots) << cut;
        EXPECT_TRUE(contains(cutOff.messages, "ticks.csv:6: the last line has no line end"));
    }
}

TEST(RecorderTest, AFieldIsTheFirstLineUpToItsFirstComma) {
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {"1.98765", "1.98765"},
        {"1.98765,1.98790", "1.98765"},
        {"\t152.34 x", "\t152.34 x"},
        {"abc", "abc"},
        {"", " "},
        {",1.5", " "},
        {std::nullopt, ""}};
    for (const auto& [firstLine, field] : cases)
        EXPECT_EQ(fx::record::ticksFieldOf(firstLine), field) << firstLine.value_or("(missing)");
}

// An existing recording is added to under its own header, whatever its column order; the
// line a power cut left unfinished is removed first.
TEST(RecorderTest, AppendsUnderTheHeaderItFinds) {
    Recording r;
    std::string backwards = "time";
    for (int k = fx::pairCount - 1; k >= 0; --k) backwards += "," + std::string(v17b.pairTable[k]);
    std::string earlier = "01-05-2009 09:59:59";
    for (int k = 0; k < fx::pairCount; ++k) earlier += ",1.5";
    r.live.write("recording.csv", backwards + "\r\n" + earlier + "\r\n01-05-2009 10:00:00,1.");
    r.writeFiles();
    r.options.pace.count = 1;
    ASSERT_EQ(r.record(), 0) << r.messages.str();

    const Lines lines = linesOf(r.live.read("recording.csv"));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], backwards);
    EXPECT_TRUE(contains(r.messages.str(), "\"01-05-2009 10:00:00,1.\" has no line end"));
    fx::TicksReader reader(v17b);
    ASSERT_TRUE(reader.open(r.options.out));
    ASSERT_EQ(reader.next(), fx::TicksReader::Item::Price);
    ASSERT_EQ(reader.next(), fx::TicksReader::Item::Price) << reader.error();
    for (int k = 0; k < fx::pairCount; ++k)
        EXPECT_EQ(reader.price().fields[k], k ? "1.0" + std::to_string(k) : "1.00");
}

TEST(RecorderTest, AFileOfAnotherVariantIsRefusedAndKept) {
    Recording r;
    const std::string v17Header = fx::record::ticksHeader(fx::variant(fx::VariantId::V17));
    r.live.write("recording.csv", v17Header);
    r.writeFiles();
    r.options.pace.count = 1;
    EXPECT_EQ(r.record(), fx::record::recordUsageError);
    EXPECT_TRUE(contains(r.messages.str(), "recording.csv:1: the header names \"USDCHF\""));
    EXPECT_EQ(r.live.read("recording.csv"), v17Header);
}

TEST(RecorderTest, DailyFilesChangeAtLocalMidnight) {
    Recording r;
    r.options.dailyFolder = r.live.pathOf("days");
    r.clock.set({2009, 1, 5, 23, 59, 59});
    r.writeFiles();
    r.options.pace.count = 2;
    ASSERT_EQ(r.record(), 0) << r.messages.str();
    const std::string header = fx::record::ticksHeader(v17b);
    EXPECT_TRUE(
        r.live.read("days/ticks-2009-01-05.csv").starts_with(header + "01-05-2009 23:59:59,"));
    EXPECT_TRUE(
        r.live.read("days/ticks-2009-01-06.csv").starts_with(header + "01-06-2009 00:00:00,"));
}

#ifndef _WIN32
// While one lives, files grow no further than the limit: a write is cut short as on a
// disk that fills up under it.
struct FileSizeLimit {
    explicit FileSizeLimit(std::uintmax_t limit) {
        ::getrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit cut = saved;
        cut.rlim_cur = static_cast<rlim_t>(limit);
        ::setrlimit(RLIMIT_FSIZE, &cut);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &saved); }
    rlimit saved{};
};
#endif

enum class Failure { FullDisk, FolderGone, WriteCutShort };

// The third line cannot be written: the run stops with status 1 and says how many lines it
// kept; the file holds them, whole.
TEST(RecorderTest, AFailedWriteStopsAndSaysWhatWasKept) {
    for (const Failure failure : {Failure::FullDisk, Failure::FolderGone, Failure::WriteCutShort}) {
        Recording r;
        r.options.dailyFolder = r.live.pathOf("days");
        r.options.pace.count = 3;
        r.writeFiles("1.25");
        std::string kept;
        std::optional<fx::platform::SimulatedWriteFailure> fullDisk;
#ifndef _WIN32
        std::optional<FileSizeLimit> sizeLimit;
#else
        if (failure == Failure::WriteCutShort) continue;
#endif
        const int status = r.record([&](int read) {
            if (read < 2) return true;
            kept = r.live.read("days/ticks-2009-01-05.csv");
            if (failure == Failure::FullDisk) fullDisk.emplace();
            if (failure == Failure::FolderGone) std::filesystem::remove_all(r.options.dailyFolder);
#ifndef _WIN32
            if (failure == Failure::WriteCutShort) sizeLimit.emplace(kept.size() + 10);
#endif
            return true;
        });
        EXPECT_EQ(status, fx::record::recordFailed);
        EXPECT_TRUE(contains(r.messages.str(),
                             "stopped; kept: 2 lines recorded in this run, "
                             "the last at 01-05-2009 10:00:01 in "))
            << r.messages.str();
        EXPECT_EQ(linesOf(kept).size(), 3u);
        if (failure != Failure::FolderGone) {
            EXPECT_EQ(r.live.read("days/ticks-2009-01-05.csv"), kept);
        }
    }
}

}  // namespace
}  // namespace fxtest
