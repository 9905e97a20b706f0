# The two commands of the README: `make run` and `make test`. Both install what is
# missing, configure and build; CMake does the real work.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
JOBS ?= $(shell nproc)

.PHONY: run test build sanitize-build package deps clean

run: build
	./$(BUILD)/surfplot

# The plain build runs every test; the sanitizer build runs the unit tests and the
# fuzz corpora again under AddressSanitizer and UndefinedBehaviorSanitizer.
test: build sanitize-build
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j $(JOBS) -LE e2e
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

build: deps
	@[ -f $(BUILD)/CMakeCache.txt ] || cmake -S . -B $(BUILD) -G Ninja $(CMAKE_ARGS)
	cmake --build $(BUILD) -j $(JOBS)

sanitize-build: deps
	@[ -f $(SANITIZE_BUILD)/CMakeCache.txt ] || cmake -S . -B $(SANITIZE_BUILD) -G Ninja \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo -DSURFPLOT_SANITIZE=ON -DSURFPLOT_BENCH=OFF $(CMAKE_ARGS)
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)

package: build
	cd $(BUILD) && cpack

deps:
	@scripts/install-deps.sh

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
