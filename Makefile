# Two commands do all set-up on a fresh Debian 12 machine:
#   make run    installs missing Debian packages, builds, starts Lexorra
#   make test   installs missing Debian packages, builds, runs every test
BUILD ?= build
JOBS  ?= $(shell nproc)
# Extra CMake settings, e.g. CMAKE_ARGS=-DLEXORRA_WERROR=ON (as CI builds).
CMAKE_ARGS ?=
PREFIX ?= /usr/local

.PHONY: all deps configure build test run bench install package clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

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
	rm -rf $(BUILD)
