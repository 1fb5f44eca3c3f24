# The only commands a newcomer needs: `make run` and `make test`.
BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc)

# Debian packages the program needs to build, run and be tested (nodejs checks that formatted scripts
# still parse); `make deps` installs the missing ones.
PACKAGES := g++ cmake ninja-build qt6-base-dev libqscintilla2-qt6-dev qt6-webengine-dev libgl-dev nodejs
# What only the benchmarks compare against and run on: tidy, GNU time for peak memory, html5lib for the
# cleanup check of real pages, and two public documentation sites as real pages (real_sites_test in
# `make test` checks them when they are installed and skips otherwise).
BENCH_PACKAGES := tidy time python3-html5lib python3.11-doc apache2-doc

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps bench-deps configure build run test bench clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

bench-deps: deps
	@missing=$$(for p in $(BENCH_PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD)/build.ninja: CMakeLists.txt | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The editor on the sample site's front page.
run: build
	$(BUILD)/bin/tamsel2001 examples/site/index.htm

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: bench-deps configure
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	bench/run $(BUILD)

clean:
	rm -rf $(BUILD)
