# The two commands of the README: `make run` and `make test`. Both install what is
# missing, configure and build; CMake does the real work.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
TSAN_BUILD ?= build-tsan
JOBS ?= $(shell nproc)

.PHONY: run program test lint build sanitize-build tsan tsan-build bench package deps run-deps clean \
	niced-lint sanitizer-builds-and-tests run-lint run-tests run-sanitize-tests run-tsan-tests

# Our own builds hold every warning to be an error. The plain build compiles as a
# release does (-O3, where optimisers find their warnings) with the distribution's
# hardening flags, as the .deb is packed from it; the sanitizer build compiles with
# clang, so that both compilers' warnings are met here before a user meets them.
OWN_BUILD = -DSURFPLOT_WERROR=ON
HARDENING = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
# The .deb is stripped, so the distribution's -g only makes gcc write debugging
# information that nothing reads (a fifth of the time of a Qt-heavy file at -O3).
# The test programs read GoogleTest's headers once (SURFPLOT_PCH=GoogleTest).
PLAIN_BUILD = -DCMAKE_BUILD_TYPE=Release -DSURFPLOT_PCH=GoogleTest $(OWN_BUILD)
# The sanitizers find their faults as well at -O1, and line tables are all their
# reports need: full debug information only makes the builds slower.
# Both read Qt's and GoogleTest's headers once per library or test program
# (SURFPLOT_PCH); the plain build reads them in every file, and so still finds a file
# that forgets an include.
SANITIZER_FLAGS = -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSURFPLOT_BENCH=OFF -DSURFPLOT_PCH=ON $(OWN_BUILD)

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
test: build
	$(MAKE) --no-print-directory -j 2 --output-sync=target niced-lint sanitizer-builds-and-tests

# The lint reads only the plain build. It runs beside the sanitizer builds and all the
# tests at the lowest priority, so it takes the cores whenever they leave them idle
# (the end-to-end and install tests mostly wait for the X server, the window and
# dpkg), while the tests' timing meets a machine as busy as without it. Its output is
# printed whole when it ends (make -O); a failure on either side fails make test.
niced-lint:
	nice -n 19 scripts/lint.sh $(BUILD)

sanitizer-builds-and-tests:
	$(MAKE) --no-print-directory sanitize-build
	$(MAKE) --no-print-directory tsan-build
	$(MAKE) --no-print-directory run-tsan-tests
	$(MAKE) --no-print-directory run-sanitize-tests
	$(MAKE) --no-print-directory run-tests

run-tests:
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

run-sanitize-tests:
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j $(JOBS) -LE e2e

run-tsan-tests:
	cd $(TSAN_BUILD) && ctest --output-on-failure -j $(JOBS) -L parallel

# Configures when there is no build yet, and again whenever CMAKE_ARGS is given, so
# that a later `make build CMAKE_ARGS=...` takes effect.
configure = @if [ ! -f $(1)/CMakeCache.txt ] || [ -n "$(CMAKE_ARGS)" ]; then \
	cmake -S . -B $(1) -G Ninja $(2) $(CMAKE_ARGS); fi

# Configured again when `make run` made it without its tests (and as a user's build).
build: deps
	@if [ ! -f $(BUILD)/CMakeCache.txt ] || [ -n "$(CMAKE_ARGS)" ] || \
	    ! grep -q '^BUILD_TESTING:BOOL=ON' $(BUILD)/CMakeCache.txt; then \
	  cmake -S . -B $(BUILD) -G Ninja $(PLAIN_BUILD) -DBUILD_TESTING=ON -DSURFPLOT_BENCH=OFF \
	    -DCMAKE_CXX_FLAGS="$$($(HARDENING) CPPFLAGS) $$($(HARDENING) CXXFLAGS) -g0" \
	    -DCMAKE_EXE_LINKER_FLAGS="$$($(HARDENING) LDFLAGS)" $(CMAKE_ARGS); fi
	cmake --build $(BUILD) -j $(JOBS)

sanitize-build: deps
	$(call configure,$(SANITIZE_BUILD),$(SANITIZER_FLAGS) -DCMAKE_CXX_COMPILER=clang++ -DSURFPLOT_SANITIZE=ON \
	  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG")
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)

# The tests labelled parallel (the pool, the scan and table, the redraws and the
# banded drawing), built and run under ThreadSanitizer.
tsan: tsan-build
	$(MAKE) --no-print-directory run-tsan-tests

tsan-build: deps
	$(call configure,$(TSAN_BUILD),$(SANITIZER_FLAGS) -DSURFPLOT_TSAN=ON \
	  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG")
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target test_parallel test_parallel_render

# The benchmarks are run on demand, not by make test: into build/bench/.
bench:
	$(MAKE) build CMAKE_ARGS=-DSURFPLOT_BENCH=ON

lint: build
	$(MAKE) --no-print-directory run-lint

run-lint:
	scripts/lint.sh $(BUILD)

package: build
	cd $(BUILD) && cpack

deps:
	@scripts/install-deps.sh all

run-deps:
	@scripts/install-deps.sh run

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(TSAN_BUILD)
