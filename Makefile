# Corvix: `make run` builds and starts the editor, `make test` builds and runs the whole suite
# (and the core's tests again under AddressSanitizer and UndefinedBehaviorSanitizer).
# Both install any missing Debian packages first; both build with warnings as errors.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
SANITIZE_BUILD_DIR ?= $(BUILD_DIR)-sanitize
FUZZ_BUILD_DIR ?= $(BUILD_DIR)-fuzz
FUZZ_SECONDS ?= 300
FUZZ_FLAGS ?=
FUZZ_CORPUS := tests/data/fuzz-corpus
FUZZ_CRASHES := tests/data/fuzz-crashes
EDITS ?= 1000000
SEED ?=
SESSION ?=

.PHONY: all deps configure build run test test-sanitize fuzz fuzz-mermaid fuzz-edits fuzz-seeds mermaid-reference bench package clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD_DIR)/build.ninja: | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DCORVIX_WERROR=ON

configure: $(BUILD_DIR)/build.ninja

build: deps configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/src/gui/corvix $(ARGS)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	$(MAKE) test-sanitize

# The core's tests (and the fuzz corpus replay) built with ASan and UBSan in a folder of
# their own; any report fails the run.
test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVIX_GUI=OFF -DCORVIX_SANITIZE=ON -DCORVIX_WERROR=ON
	cmake --build $(SANITIZE_BUILD_DIR) -j $(JOBS)
	cd $(SANITIZE_BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# Fuzzes the diagram reader with libFuzzer for FUZZ_SECONDS (FUZZ_FLAGS adds libFuzzer
# options, e.g. -runs=N to stop earlier). New inputs go to a scratch
# corpus in the build folder; inputs that crash it land in $(FUZZ_CRASHES), to be kept.
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD_DIR) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS=-O1 -DCORVIX_GUI=OFF -DCORVIX_FUZZ=ON
	cmake --build $(FUZZ_BUILD_DIR) -j $(JOBS) --target fuzz_decode
	mkdir -p $(FUZZ_BUILD_DIR)/corpus
	$(FUZZ_BUILD_DIR)/tests/fuzz/fuzz_decode -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	  -artifact_prefix=$(FUZZ_CRASHES)/ $(FUZZ_FLAGS) $(FUZZ_BUILD_DIR)/corpus $(FUZZ_CORPUS)

# The same for the Mermaid reader, from the texts in tests/data/mermaid-corpus.
fuzz-mermaid: deps
	cmake -S . -B $(FUZZ_BUILD_DIR) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS=-O1 -DCORVIX_GUI=OFF -DCORVIX_FUZZ=ON
	cmake --build $(FUZZ_BUILD_DIR) -j $(JOBS) --target fuzz_mermaid
	mkdir -p $(FUZZ_BUILD_DIR)/mermaid-corpus
	$(FUZZ_BUILD_DIR)/tests/fuzz/fuzz_mermaid -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	  -artifact_prefix=tests/data/mermaid-crashes/ $(FUZZ_FLAGS) $(FUZZ_BUILD_DIR)/mermaid-corpus tests/data/mermaid-corpus

# Compares Corvix's reading of the texts in tests/data/mermaid-corpus with Mermaid's own
# parser. MERMAID_REFERENCE names a folder holding the reference script parse.mjs with the
# npm package mermaid installed beside it (npm install there); needs node.
mermaid-reference: build
	@test -n "$(MERMAID_REFERENCE)" || { echo "set MERMAID_REFERENCE=folder of parse.mjs"; exit 2; }
	tests/tools/mermaid_reference_check.py $(MERMAID_REFERENCE) $(BUILD_DIR)/tests/tools/corvix_mermaid_dump tests/data/mermaid-corpus/*.mmd

# Drives the editor through EDITS random editing steps and checks the drawing's rules after
# each; the last line says "N steps, M failures" and any failure fails the target. SEED
# (default: from the clock) fixes the steps; SESSION=1 replays one failed session's seed.
fuzz-edits: deps configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target corvix_fuzz_edits
	$(BUILD_DIR)/tests/edits/corvix_fuzz_edits $(EDITS) "$(SEED)" $(SESSION)

# Writes the seed corpus anew from the sample diagrams of the tests.
fuzz-seeds: build
	rm -f $(FUZZ_CORPUS)/*.fxg
	$(BUILD_DIR)/tests/tools/corvix_write_samples $(FUZZ_CORPUS)

# The benchmarks, then Arrange as whole processes against dot on the same graph.
bench: deps
	cmake -S . -B $(BUILD_DIR)-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVIX_BENCH=ON
	cmake --build $(BUILD_DIR)-bench -j $(JOBS) --target corvix_bench corvix
	$(BUILD_DIR)-bench/bench/corvix_bench
	python3 bench/arrange/whole_process.py $(BUILD_DIR)-bench/src/gui/corvix tests/data/arrange/chart-44.fxg

# The Debian package, $(BUILD_DIR)/corvix_VERSION_ARCH.deb, made by CPack from the install rules.
package: build
	cmake --build $(BUILD_DIR) --target package

clean:
	rm -rf $(BUILD_DIR) $(BUILD_DIR)-bench $(SANITIZE_BUILD_DIR) $(FUZZ_BUILD_DIR)
