# Two commands do all set-up on a fresh Debian 12 machine:
#   make run    installs missing Debian packages, builds, starts Lexorra
#   make test   installs missing Debian packages, builds, runs every test
# and two more look for faults:
#   make test-sanitize   every test, built with AddressSanitizer and UBSan
#   make fuzz            the fuzz targets of fuzz/, each for FUZZ_SECONDS
BUILD ?= build
JOBS  ?= $(shell nproc)
# Extra CMake settings, e.g. CMAKE_ARGS=-DLEXORRA_WERROR=ON (as CI builds).
CMAKE_ARGS ?=
PREFIX ?= /usr/local
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
# Sanitizer settings for the sanitized build and the test discovery its
# build runs; the suppressions file says why it holds what it holds.
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp:print_suppressions=0

.PHONY: all deps configure build test run bench install package clean test-sanitize fuzz

all: build

deps:
	@tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLEXORRA_SANITIZE=ON \
	  -DLEXORRA_BUILD_BENCH=OFF $(CMAKE_ARGS)
	$(SANITIZE_ENV) cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) ctest --output-on-failure -j $(JOBS)

# clang's libFuzzer, in a build of its own without the window.
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DLEXORRA_FUZZ=ON -DLEXORRA_WITH_UI=OFF -DLEXORRA_BUILD_TESTS=OFF -DLEXORRA_BUILD_BENCH=OFF \
	  $(CMAKE_ARGS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	tools/run-fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

run: build
	$(BUILD)/bin/lexorra

bench: build
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; $$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true || exit 1; done

# Installs under $(PREFIX) (and below $(DESTDIR) when set): the programs and
# their data in $(PREFIX)/lib/lexorra, links to them in $(PREFIX)/bin.
install: build
	DESTDIR=$(DESTDIR) cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package $(BUILD)/lexorra_<version>_amd64.deb (installs into /usr).
package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
