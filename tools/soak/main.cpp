// fxsoak: runs a headless monitor for many ticks (1,000,000 unless told otherwise) and
// fails when it breaks a rule on the way or when its memory grows by more than its
// log rows hold. Memory is taken at a tenth of the run, when everything but the log
// has reached its size, and at the end.
//
//   fxsoak [TICKS]

#include <cstdio>
#include <cstdlib>
#include <string>

#include "soak/headless_soak_user.h"
#include "soak/process_memory.h"
#include "soak/soak_session.h"
#include "window/headless/headless_layer.h"

namespace {

constexpr long long defaultTicks = 1'000'000;
// Room for the allocator's rounding and page granularity beyond the rows' own bytes (in
// runs without a leak the two differ by some tens of kB).
constexpr long long marginKb = 256;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool underSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool underSanitizer = true;
#else
constexpr bool underSanitizer = false;
#endif
#else
constexpr bool underSanitizer = false;
#endif

struct Checkpoint {
    long long ticks = 0;
    fx::soak::ProcessMemory memory;
    int rows = 0;
    long long rowBytes = 0;
};

Checkpoint checkpoint(fx::soak::SoakSession& session, fx::HeadlessLayer& layer) {
    return {session.counts().ticks, fx::soak::processMemory(), session.logRows(),
            fx::soak::logRowBytes(layer, session.monitor())};
}

void report(const Checkpoint& at) {
    std::printf(
        "fxsoak: %lld ticks: peak resident %lld kB, resident %lld kB, %d log rows "
        "holding about %lld kB\n",
        at.ticks, at.memory.peakResidentKb, at.memory.residentKb, at.rows, at.rowBytes / 1024);
}

}  // namespace

int main(int argc, char** argv) {
    long long ticks = defaultTicks;
    if (argc > 2 || (argc == 2 && (ticks = std::atoll(argv[1])) < 10)) {
        std::fprintf(stderr, "Usage: fxsoak [TICKS]   (at least 10; default %lld)\n", defaultTicks);
        return 2;
    }

    fx::HeadlessLayer layer;
    fx::soak::HeadlessSoakUser user(layer);
    fx::soak::SoakSession session(fx::soak::SoakSettings{}, layer, user);
    const long long warmUp = ticks / 10;
    if (!session.run(warmUp)) {
        std::fprintf(stderr, "fxsoak: %s\n", session.failure().c_str());
        return 1;
    }
    const Checkpoint first = checkpoint(session, layer);
    report(first);
    if (!session.run(ticks - warmUp)) {
        std::fprintf(stderr, "fxsoak: %s\n", session.failure().c_str());
        return 1;
    }
    const Checkpoint last = checkpoint(session, layer);
    report(last);

    const fx::soak::SoakCounts& counts = session.counts();
    std::printf(
        "fxsoak: %lld real-time reads: %lld prices, %lld missing files, %lld garbage "
        "lines, %lld out of range; %lld baskets, %lld reference days\n",
        counts.ticks * 14, counts.acceptedLines, counts.missingFiles, counts.garbageLines,
        counts.outOfRangeLines, counts.basketsOpened, counts.referenceDays);

    const long long grewKb = last.memory.residentKb - first.memory.residentKb;
    const long long rowsGrewKb = (last.rowBytes - first.rowBytes) / 1024;
    std::printf("fxsoak: resident memory grew by %lld kB; the log rows by about %lld kB\n", grewKb,
                rowsGrewKb);
    if (underSanitizer) {
        // The sanitizer's quarantine keeps freed memory resident; its leak check is the
        // judge of memory in such a build.
        std::printf("fxsoak: under AddressSanitizer the growth is not judged\n");
        return 0;
    }
    if (grewKb > rowsGrewKb + marginKb) {
        std::fprintf(stderr, "fxsoak: memory grew by %lld kB more than the log rows hold\n",
                     grewKb - rowsGrewKb);
        return 1;
    }
    std::printf("fxsoak: memory growth within the log rows' size\n");
    return 0;
}
