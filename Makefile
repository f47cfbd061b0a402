# The two commands: `make test` runs every test, `make run` runs the monitor.
.PHONY: all deps test run build-linux build-win64 build-win32 clean

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

run: build-win32 build-win64
	@echo "The executables are in build/win32/bin (32-bit) and build/win64/bin (64-bit)."

clean:
	rm -rf build out
