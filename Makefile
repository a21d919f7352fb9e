# The two everyday commands: `make run` and `make test`. Both install what is missing first.
PRESET ?= default
BUILD_DIR := build/$(PRESET)

.PHONY: run test build package screenshots bench fuzz deps deps-test clean

run: deps build
	$(BUILD_DIR)/src/statistique

# Every test, then every test again under AddressSanitizer and UndefinedBehaviorSanitizer,
# then each fuzz target for a few seconds.
test: deps-test build
	ctest --preset $(PRESET)
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan
	$(MAKE) fuzz FUZZ_SECONDS=10

# Each fuzz target for FUZZ_SECONDS (a minute by default); findings land in
# build/fuzz/tests/fuzz/findings/.
FUZZ_SECONDS ?= 60
fuzz: deps-test
	cmake --preset fuzz -DSTAT_FUZZ_SECONDS=$(FUZZ_SECONDS)
	cmake --build --preset fuzz
	ctest --preset fuzz

build:
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

package: deps build
	cd $(BUILD_DIR) && cpack

bench: deps-test build
	bench/run.py $(BUILD_DIR)

screenshots: deps-test build
	tools/screenshots.py $(BUILD_DIR)/src/statistique docs

deps:
	tools/install-deps.sh build

deps-test:
	tools/install-deps.sh test

clean:
	rm -rf build
