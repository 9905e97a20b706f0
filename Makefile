# The two commands of the README: `make run` and `make test`. Both install what is
# missing, configure and build; CMake does the real work.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build deps configure clean

run: build
	./$(BUILD)/surfplot

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

configure: deps
	@[ -f $(BUILD)/CMakeCache.txt ] || cmake -S . -B $(BUILD) -G Ninja $(CMAKE_ARGS)

deps:
	@scripts/install-deps.sh

clean:
	rm -rf $(BUILD)
