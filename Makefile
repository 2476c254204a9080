# make run   installs what is missing, builds, runs the demo in its sandbox
# make test  the same set-up, then every test (Windows tests under Wine, portable
#            units natively with sanitizers)
# make dist  the setup program and the portable zip, in $(BUILD)/dist
BUILD  ?= build
NATIVE ?= build-native
JOBS   ?= $(shell nproc)

.PHONY: all bootstrap build native run test dist clean

all: build

bootstrap:
	@tools/bootstrap

build: bootstrap
	@cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

native: bootstrap
	@cmake -S . -B $(NATIVE) -DHUSHMARK_NATIVE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS)

run: build
	@tools/demo $(BUILD)

test: build native
	@cd $(NATIVE) && ctest --output-on-failure
	@fuzz/run --seconds 10
	@cd $(BUILD) && ctest --output-on-failure

dist: build
	@cmake --build $(BUILD) --target dist
	@ls -1 $(BUILD)/dist/*

clean:
	rm -rf $(BUILD) $(NATIVE)
