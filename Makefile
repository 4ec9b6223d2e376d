# Two entry points for a fresh Debian 12 machine:
#   make run   installs what is missing, builds and starts the editor
#   make test  installs what is missing, builds and runs every test headless
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= 2
# ccache, when installed, makes rebuilds in several work trees cheap.
LAUNCHER := $(if $(shell command -v ccache 2>/dev/null),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# CI treats warnings as errors.
WERROR ?= $(if $(CI),ON,OFF)

# make check-asan builds the engine, parser and tool tests with the address
# and undefined-behaviour sanitizers in their own folder and runs them.
ASAN_DIR ?= build-asan

.PHONY: all deps configure build run test bench check-asan clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DTESSALY_WERROR=$(WERROR) $(LAUNCHER)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/src/app/tessaly

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target benchmarks
	@bash bench/run.sh $(BUILD_DIR)

check-asan: deps
	cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSALY_WERROR=$(WERROR) \
	  -DTESSALY_BUILD_GUI=OFF -DTESSALY_BUILD_BENCH=OFF -DTESSALY_SANITIZE=ON $(LAUNCHER)
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
