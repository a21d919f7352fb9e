# The two everyday commands: `make run` and `make test`. Both install what is missing first.
# `make run` builds the program alone, as a user would (build/default); the tests build
# in build/test, with warnings as errors.
PRESET ?= default
BUILD_DIR := build/$(PRESET)
TEST_DIR := build/test

.PHONY: run test test-stages build build-test package screenshots bench fuzz deps deps-test clean

run: deps build
	$(BUILD_DIR)/src/statistique

# Every test, then every test again under AddressSanitizer and UndefinedBehaviorSanitizer,
# then each fuzz target for a few seconds; the whole run says how long it took, so that a
# slower CI shows before it runs out of time.
test:
	@start=$$(date +%s); status=0; \
	$(MAKE) --no-print-directory test-stages || status=$$?; \
	took=$$(( $$(date +%s) - start )); \
	echo "make test took $$(( took / 60 )) min $$(( took % 60 )) s"; \
	exit $$status

test-stages: deps-test build-test
	ctest --preset test
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

build-test:
	cmake --preset test
	cmake --build --preset test

package: deps build
	cd $(BUILD_DIR) && cpack

bench: deps-test build-test
	bench/run.py $(TEST_DIR)

screenshots: deps-test build-test
	tools/screenshots.py $(TEST_DIR)/src/statistique docs

deps:
	tools/install-deps.sh build

deps-test:
	tools/install-deps.sh test

clean:
	rm -rf build
