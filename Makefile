# Corvix: `make run` builds and starts the editor, `make test` builds and runs the whole suite.
# Both install any missing Debian packages first.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD_DIR)/build.ninja: | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: $(BUILD_DIR)/build.ninja

build: deps configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/src/gui/corvix $(ARGS)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BUILD_DIR)-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVIX_BENCH=ON
	cmake --build $(BUILD_DIR)-bench -j $(JOBS) --target corvix_bench
	$(BUILD_DIR)-bench/bench/corvix_bench

clean:
	rm -rf $(BUILD_DIR) $(BUILD_DIR)-bench
