# make run   installs what is missing, builds, runs the demo in its sandbox
# make test  the same set-up, then every test (Windows tests under Wine, portable
#            units natively with sanitizers)
# make dist  the setup program and the portable zip, in $(BUILD)/dist
BUILD  ?= build
NATIVE ?= build-native
JOBS   ?= $(shell nproc)
# V=1 shows the whole output of the configure and build steps.
V      ?= 0
export V
QUIET  = tools/quietly

.PHONY: all bootstrap build native run test dist clean demo-programs

all: build

bootstrap:
	@tools/bootstrap

# Configured once: CMake reads the toolchain file only then (and warns that it is unused
# when it is given again); the build step itself configures again when a list changes.
$(BUILD)/Makefile:
	@$(QUIET) "Configuring the Windows build" $(BUILD)/configure.log \
	  cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release

$(NATIVE)/Makefile:
	@$(QUIET) "Configuring the host build" $(NATIVE)/configure.log \
	  cmake -S . -B $(NATIVE) -DHUSHMARK_NATIVE=ON -DCMAKE_BUILD_TYPE=Debug

build: bootstrap $(BUILD)/Makefile
	@$(QUIET) "Building the Windows programs and tests" $(BUILD)/build.log cmake --build $(BUILD) -j $(JOBS)

native: bootstrap $(NATIVE)/Makefile
	@$(QUIET) "Building the host tests" $(NATIVE)/build.log cmake --build $(NATIVE) -j $(JOBS)

# What the demo runs: the install tree and the trace seeder.
demo-programs: bootstrap $(BUILD)/Makefile
	@$(QUIET) "Building the programs" $(BUILD)/build.log \
	  cmake --build $(BUILD) -j $(JOBS) --target install-tree hushmark-seed

run: demo-programs
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
