# The two commands: `make test` runs every test, `make run` runs the monitor.
.PHONY: all deps test run replay report study report-screenshot screenshot dist build-linux \
	build-win64 build-win32 clean

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

# The Windows suite runs on both builds: win64 under wine64, and the 32-bit deliverables
# under 32-bit Wine, which is installed here when this machine runs 32-bit programs.
test: build-linux build-win64 build-win32
	ctest --preset linux
	sh tools/run-wine-tests.sh 64
	@sh tools/install-deps.sh --wine32
	sh tools/run-wine-tests.sh 32
	$(MAKE) test-asan
	$(MAKE) fuzz FUZZ_SECONDS=10

# The targets a user runs build what they need quietly: a progress line, and the build's
# whole output only when it fails or warns. Use: $(call quiet-build,PRESET[,TARGET...]).
quiet-build = @sh tools/quiet-build.sh $(1) $(2)

# The 32-bit deliverables land in build/win32/bin; the monitor runs from the win64 build.
run: deps
	$(call quiet-build,linux,fxfeed)
	$(call quiet-build,win64,fxmonitor-17b fxmonitor-screenshot)
	$(call quiet-build,win32)
	@sh tools/run-monitor.sh

# The monitor's engine over the sample's session of real days, all four alerts on.
replay: deps
	$(call quiet-build,linux,fxmonitor-replay)
	@build/linux/bin/fxmonitor-replay --data sample --alert anchor --alert bias \
	    --alert grouped --alert slot=GBPJPY:1 sample/ticks.csv

# out/fxmonitor-VERSION-win32.zip: what a trader on Windows downloads.
dist: deps
	$(call quiet-build,win32,fxmonitor-17 fxmonitor-17b fxmonitor-17c fxmonitor-replay fxmonitor-check fxmonitor-import fxfeed fxmonitor-record)
	@sh tools/dist/make-dist.sh

# out/report.html: the session report of the same replay, to open in a browser, with its
# alert study; out/study.csv: the study's table. The page says that the sample's ticks
# between its days are made up.
SAMPLE_NOTE = The sample's ticks between two days' real rates are generated: the figures \
    show how the study works, not what the market did.
report: deps
	$(call quiet-build,linux,fxmonitor-replay)
	@mkdir -p out
	@build/linux/bin/fxmonitor-replay --data sample --alert anchor --alert bias \
	    --alert grouped --alert slot=GBPJPY:1 --report out/report.html \
	    --study out/study.csv --note "$(SAMPLE_NOTE)" sample/ticks.csv >/dev/null
	@echo "out/report.html: $$(wc -c <out/report.html) bytes"
	@echo "out/study.csv: $$(($$(wc -l <out/study.csv) - 1)) rows"

# The alert study's table of that replay.
study: report
	@cat out/study.csv

# docs/report.png and docs/study.png: that report, and its study, as headless Chromium
# shows them.
report-screenshot: report
	python3 tools/report/open-in-browser.py out/report.html --screenshot docs/report.png >/dev/null
	python3 tools/report/open-in-browser.py out/report.html --screenshot docs/study.png \
	    --element study >/dev/null

# docs/monitor.png: the main window in a scripted session on the sample data.
screenshot: deps
	$(call quiet-build,win64,fxmonitor-screenshot)
	@sh tools/screenshot/take-screenshot.sh

clean:
	rm -rf build out

# Reliability and speed: the native tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, every fuzz target for FUZZ_SECONDS (clang and libFuzzer),
# the headless soak of a million ticks, the monitor's benchmarks against their baselines.
.PHONY: test-asan fuzz soak bench coverage
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
# Line coverage of src/ by the native suite (gcovr, installed when missing).
coverage:
	@sh tools/install-deps.sh gcovr
	cmake --preset coverage >/dev/null
	cmake --build --preset coverage
	find build/coverage -name '*.gcda' -delete
	ctest --preset coverage --output-on-failure >/dev/null
	@echo "Line coverage of src/ by the native tests (the Win32 code runs only under Wine):"
	@gcovr --root . --filter 'src/' --exclude 'src/window/win32/' --exclude 'src/app/win32/' \
	    --exclude '.*_win32\.cpp' build/coverage --txt /dev/null --print-summary
