# The README's commands. Each one sets up what is missing, configures, builds and runs.
BUILD      ?= build
NATIVE     := $(BUILD)/native
FUZZ       := $(BUILD)/fuzz
BENCH      := $(BUILD)/bench
WINDOWS    := $(BUILD)/windows
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 60

.PHONY: all setup native fuzz test test-native test-fuzz bench run clean windows test-windows

all: native

setup:
	@scripts/setup.sh all

native:
	@scripts/setup.sh native
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(NATIVE) -j $(JOBS)

fuzz:
	@scripts/setup.sh native
	cmake -S . -B $(FUZZ) -DTALVOREN_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
	      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(FUZZ) -j $(JOBS)

test-fuzz: fuzz
	scripts/run-fuzzers.sh $(FUZZ) $(FUZZ_SECONDS)

test-native: native
	cd $(NATIVE) && ctest --output-on-failure -j $(JOBS)

windows:
	@scripts/setup.sh windows
	cmake -S . -B $(WINDOWS) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake \
	      -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(WINDOWS) -j $(JOBS)

test-windows: windows
	scripts/test-windows.sh $(WINDOWS)

test: setup
	$(MAKE) --no-print-directory test-fuzz
	$(MAKE) --no-print-directory test-native
	$(MAKE) --no-print-directory test-windows

bench:
	@scripts/setup.sh native
	cmake -S . -B $(BENCH) -DTALVOREN_BENCH=ON -DTALVOREN_TESTS=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(BENCH) -j $(JOBS)
	scripts/run-benchmarks.sh $(BENCH)

run: setup
	@scripts/setup.sh windows
	cmake -S . -B $(WINDOWS) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake \
	      -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(WINDOWS) -j $(JOBS) --target Talvoren
	scripts/run-talvoren.sh $(WINDOWS)

clean:
	rm -rf $(BUILD)
