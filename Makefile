# The two commands: `make test` runs every test, `make run` runs the monitor.
.PHONY: all deps test run replay screenshot build-linux build-win64 build-win32 clean

all: build-linux

deps:
	@sh tools/install-deps.sh

build-linux: deps
	cmake --preset linux >/dev/null
	cmake --build --preset linux

build-win64: deps
	cmake --preset win64 >/dev/null
	cmake --build --preset win64

build-win32: deps
	cmake --preset win32 >/dev/null
	cmake --build --preset win32

test: build-linux build-win64 build-win32
	ctest --preset linux
	sh tools/run-wine-tests.sh
	$(MAKE) test-asan
	$(MAKE) fuzz FUZZ_SECONDS=10

# The 32-bit deliverables land in build/win32/bin; the monitor runs from the win64 build.
run: build-linux build-win64 build-win32
	sh tools/run-monitor.sh

# The monitor's engine over a scripted session of the sample data, all four alerts on.
replay: build-linux
	@build/linux/bin/fxmonitor-replay --data sample --alert anchor --alert bias \
	    --alert grouped --alert slot=GBPUSD:1 sample/ticks.csv

# docs/monitor.png: the main window in a scripted session on the sample data.
screenshot: build-win64
	sh tools/screenshot/take-screenshot.sh

clean:
	rm -rf build out

# Reliability and speed: the native tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, every fuzz target for FUZZ_SECONDS (clang and libFuzzer),
# the headless soak of a million ticks, the monitor's benchmarks against their baselines.
.PHONY: test-asan fuzz soak bench
FUZZ_SECONDS ?= 60

test-asan: deps
	cmake --preset linux-asan >/dev/null
	cmake --build --preset linux-asan
	ctest --preset linux-asan

fuzz: deps
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz
	sh tools/run-fuzzers.sh $(FUZZ_SECONDS)

soak: build-linux
	build/linux/bin/fxsoak 1000000

bench: build-linux build-win64
	sh tools/run-benchmarks.sh
