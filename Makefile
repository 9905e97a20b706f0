# The two commands of the README: `make run` and `make test`. Both install what is
# missing, configure and build; CMake does the real work.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
TSAN_BUILD ?= build-tsan
JOBS ?= $(shell nproc)

.PHONY: run test lint build sanitize-build tsan package deps clean

run: build
	./$(BUILD)/surfplot

# The plain build runs every test; the sanitizer build runs the unit tests and the
# fuzz corpora again under AddressSanitizer and UndefinedBehaviorSanitizer; the
# ThreadSanitizer build runs the tests of work shared out among threads; the lint
# holds the code to its format and to clang-tidy's checks.
test: build sanitize-build tsan lint
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j $(JOBS) -LE e2e
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Configures when there is no build yet, and again whenever CMAKE_ARGS is given, so
# that a later `make build CMAKE_ARGS=...` takes effect.
configure = @if [ ! -f $(1)/CMakeCache.txt ] || [ -n "$(CMAKE_ARGS)" ]; then \
	cmake -S . -B $(1) -G Ninja $(2) $(CMAKE_ARGS); fi

build: deps
	$(call configure,$(BUILD),)
	cmake --build $(BUILD) -j $(JOBS)

sanitize-build: deps
	$(call configure,$(SANITIZE_BUILD),-DCMAKE_BUILD_TYPE=RelWithDebInfo -DSURFPLOT_SANITIZE=ON -DSURFPLOT_BENCH=OFF)
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)

# The tests labelled parallel (the pool, the scan and table, the redraws and the
# banded drawing), built and run under ThreadSanitizer.
tsan: deps
	$(call configure,$(TSAN_BUILD),-DCMAKE_BUILD_TYPE=RelWithDebInfo -DSURFPLOT_TSAN=ON -DSURFPLOT_BENCH=OFF)
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target test_parallel test_parallel_render
	cd $(TSAN_BUILD) && ctest --output-on-failure -j $(JOBS) -L parallel

lint: build
	scripts/lint.sh $(BUILD)

package: build
	cd $(BUILD) && cpack

deps:
	@scripts/install-deps.sh

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(TSAN_BUILD)
