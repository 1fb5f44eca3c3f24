# The only commands a newcomer needs: `make run` and `make test`.
BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc)

# Debian packages the program needs to build, run and be tested (libqt6svg6 draws the SVG icons, nodejs
# checks that formatted scripts still parse, poppler-utils reads printouts back, fp-utils brings chmcmd,
# the help compiler the build compiles the program's help with, xchm shows compiled help and xdg-utils
# hands it the files, libchm-bin lists what a compiled help file holds); `make deps` installs the missing
# ones.
PACKAGES := g++ cmake ninja-build qt6-base-dev libqscintilla2-qt6-dev qt6-webengine-dev libqt6svg6 libgl-dev nodejs poppler-utils \
            fp-utils xchm xdg-utils libchm-bin
# What only the benchmarks compare against and run on: tidy and unrtf, GNU time for peak memory, html5lib for the
# cleanup check of real pages, two public documentation sites as real pages (real_sites_test in `make test`
# checks them when they are installed and skips otherwise), and Geany as the editor's peer on large pages,
# driven under a virtual display.
BENCH_PACKAGES := tidy unrtf time python3-html5lib python3.11-doc apache2-doc geany xvfb xdotool

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps bench-deps fuzz-deps configure build run test bench sanitize fuzz fuzz-run install uninstall clean

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

# The programs, the shipped data, the menu entry, the icon and the manual pages under PREFIX (staged under
# DESTDIR when given); uninstall removes what the last install put there.
PREFIX ?= /usr/local
install: build
	DESTDIR=$(DESTDIR) cmake --install $(BUILD) --prefix $(PREFIX)

# The manifest names the installed files without DESTDIR; give the same DESTDIR as to install.
uninstall:
	@[ -f $(BUILD)/install_manifest.txt ] || { echo "nothing installed from $(BUILD)"; exit 1; }
	sed 's|^|$(DESTDIR)|' $(BUILD)/install_manifest.txt | xargs -d '\n' rm -f
	rmdir --ignore-fail-on-non-empty "$(DESTDIR)$(PREFIX)/share/tamsel2001" 2>/dev/null || true
	rm -f $(BUILD)/install_manifest.txt

# The whole test suite built with the address and undefined-behaviour checkers, in a folder of its own; any
# report stops the program that has it, so the run passes only when nothing is reported.
SANITIZE_BUILD ?= build-sanitize
sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAMSEL_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/support/leak_suppressions.txt:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# The libFuzzer harnesses of fuzz/ (clang), and a run of each for SECONDS over seeds from the fixtures.
FUZZ_PACKAGES := clang
FUZZ_BUILD ?= build-fuzz
SECONDS ?= 60
fuzz-deps: deps
	@missing=$$(for p in $(FUZZ_PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

fuzz: fuzz-deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAMSEL_FUZZ=ON -DBUILD_TESTING=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers

fuzz-run: fuzz
	fuzz/run $(FUZZ_BUILD) $(SECONDS)

clean:
	rm -rf $(BUILD)
