# The two commands of the README: `make run` and `make test`. Both install what is
# missing, configure and build; CMake does the real work.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
TSAN_BUILD ?= build-tsan
JOBS ?= $(shell nproc)

.PHONY: run program test lint build sanitize-build tsan bench package deps run-deps clean

# Our own builds hold every warning to be an error. The plain build compiles as a
# release does (-O3, where optimisers find their warnings) with the distribution's
# hardening flags, as the .deb is packed from it; the sanitizer build compiles with
# clang, so that both compilers' warnings are met here before a user meets them.
OWN_BUILD = -DSURFPLOT_WERROR=ON
HARDENING = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
PLAIN_BUILD = -DCMAKE_BUILD_TYPE=Release $(OWN_BUILD)
# The sanitizers find their faults as well at -O1, and line tables are all their
# reports need: full debug information only makes the builds slower.
SANITIZER_FLAGS = -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSURFPLOT_BENCH=OFF $(OWN_BUILD)

run: program
	./$(BUILD)/surfplot

# Only the program (with its manual page and data), and only what it needs installed;
# a user's build, whose warnings stay warnings. A build that has its tests keeps them.
program: run-deps
	@if [ ! -f $(BUILD)/CMakeCache.txt ]; then \
	  cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF; fi
	cmake --build $(BUILD) -j $(JOBS) --target surfplot

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

# Configured again when `make run` made it without its tests (and as a user's build).
build: deps
	@if [ ! -f $(BUILD)/CMakeCache.txt ] || [ -n "$(CMAKE_ARGS)" ] || \
	    ! grep -q '^BUILD_TESTING:BOOL=ON' $(BUILD)/CMakeCache.txt; then \
	  cmake -S . -B $(BUILD) -G Ninja $(PLAIN_BUILD) -DBUILD_TESTING=ON -DSURFPLOT_BENCH=OFF \
	    -DCMAKE_CXX_FLAGS="$$($(HARDENING) CPPFLAGS) $$($(HARDENING) CXXFLAGS)" \
	    -DCMAKE_EXE_LINKER_FLAGS="$$($(HARDENING) LDFLAGS)" $(CMAKE_ARGS); fi
	cmake --build $(BUILD) -j $(JOBS)

sanitize-build: deps
	$(call configure,$(SANITIZE_BUILD),$(SANITIZER_FLAGS) -DCMAKE_CXX_COMPILER=clang++ -DSURFPLOT_SANITIZE=ON \
	  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG")
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)

# The tests labelled parallel (the pool, the scan and table, the redraws and the
# banded drawing), built and run under ThreadSanitizer.
tsan: deps
	$(call configure,$(TSAN_BUILD),$(SANITIZER_FLAGS) -DSURFPLOT_TSAN=ON \
	  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG")
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target test_parallel test_parallel_render
	cd $(TSAN_BUILD) && ctest --output-on-failure -j $(JOBS) -L parallel

# The benchmarks are run on demand, not by make test: into build/bench/.
bench:
	$(MAKE) build CMAKE_ARGS=-DSURFPLOT_BENCH=ON

lint: build
	scripts/lint.sh $(BUILD)

package: build
	cd $(BUILD) && cpack

deps:
	@scripts/install-deps.sh all

run-deps:
	@scripts/install-deps.sh run

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(TSAN_BUILD)
